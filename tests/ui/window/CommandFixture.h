// What the command tests share: the window fixture, checks of the boxes a command shows and
// clicks on list box items.
#pragma once

#include "support/WindowFixture.h"

namespace sheetwise::testing {

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
};

}  // namespace sheetwise::testing
