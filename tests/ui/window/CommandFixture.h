// What the command tests share: the window fixture, unsaved changes made the way the window makes
// them, answers for the questions and the file dialogs, checks of the boxes a command shows and
// clicks on list box items.
#pragma once

#include <sys/stat.h>

#include <QApplication>
#include <QTimer>

#include "support/WindowFixture.h"

namespace sheetwise::testing {

// The shared catalog after its first paper moved down one row.
inline constexpr const char* kOfficeMoved =
    "Office:B\nB:9:160:blue:cover:1:1\nA:1:75:white:plain:2:0\nC:2:0:*:tab:0:0\n";

inline const QString kSaveChangesText = QStringLiteral("Do you want to save your changes?");
inline const QString kSaveCatalogFailedText =
    QStringLiteral("Save paper catalog operation cannot be completed.");
inline const QString kSaveAttributesFailedText =
    QStringLiteral("Save attributes operation cannot be completed.");
inline const QString kSaveAsCatalogFailedText =
    QStringLiteral("Save As paper catalog operation cannot be completed.");
inline const QString kSaveAsAttributesFailedText =
    QStringLiteral("Save As attributes operation cannot be completed.");
inline const QString kFilesProblemText = QStringLiteral(
    "There may be a problem with the Paper Catalog Files. The Paper Catalog could not be "
    "opened.");
inline const QString kDefaultOpenedText =
    kFilesProblemText + QStringLiteral("\n\nA Default Paper Catalog has been opened instead.");

class CommandTest : public WindowTest {
  protected:
    // The boxes shown since the last check were exactly this one: a message with an OK button
    // and the exclamation icon, or, for kYesNo, a question with the caption "Warning".
    void Expect(const char* caption, const char* text, BoxButtons buttons = BoxButtons::kOk) {
        std::string shown;
        for (const RecordedBox& box : ui.boxes)
            shown += " [" + box.caption.toStdString() + ": " + box.text.toStdString() + "]";
        ASSERT_EQ(ui.boxes.size(), 1u) << "boxes:" << shown;
        const RecordedBox box = ui.boxes[0];
        ui.boxes.clear();
        EXPECT_EQ(box.caption.toStdString(), caption);
        EXPECT_EQ(box.text.toStdString(), text);
        EXPECT_EQ(box.buttons, buttons);
        EXPECT_EQ(box.icon,
                  buttons == BoxButtons::kOk ? BoxIcon::kExclamation : BoxIcon::kQuestion);
    }

    // Clicks the item of a list box that shows this text, as the user would.
    void ClickItem(int listId, const char* text) {
        const int row = list(listId).FindExact(QString::fromUtf8(text));
        ASSERT_GE(row, 0) << text;
        list(listId).setFocus();
        list(listId).setCurrentRow(row);
    }

    void Click(int id) {
        ASSERT_TRUE(button(id).isEnabled()) << id;
        button(id).click();
    }

    std::u16string Names() const {
        std::u16string names;
        for (const PaperDefinition& paper : window->catalog().papers())
            names += paper.name + u" ";
        return names;
    }

    // A colour typed and added to the offered colours, as the operator adds one.
    void MakeAttributeChange() {
        Type(control::kColourField, QStringLiteral("mauve"));
        window->OnCommand(control::kAdd);
        ASSERT_TRUE(window->session().document().AttributeFileUnsaved());
    }

    // The first paper moved down one row.
    void MakePaperChange() {
        ClickRow(0);
        window->OnCommand(control::kMoveDown);
        ASSERT_TRUE(window->session().document().CatalogFileUnsaved());
    }

    void Answer(BoxAnswer answer) { ui.answers.push_back(answer); }
    void Choose(const std::string& path) { ui.files.push_back(QString::fromStdString(path)); }

    static void MakeReadOnly(const std::string& path) { chmod(path.c_str(), 0444); }
};

// The File menu's tests, under the name they have always had.
using FileCommandTest = CommandTest;

}  // namespace sheetwise::testing
