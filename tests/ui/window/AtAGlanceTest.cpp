// What the operator sees and reaches without reading the manual: keys, one selected paper, a title
// and a list that show the rest, and file messages that keep their texts.
#include <filesystem>

#include "import/ImportTestSupport.h"
#include "ui/window/CommandFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

TEST_F(FileCommandTest, KeysAndClicksKeepOnePaperSelectedWhileTitleAndListShowTheRest) {
    MainDialog& window = Start(WriteCatalog("Office", kOfficeCatalog));
    paperList().setFocus();
    ASSERT_EQ(paperList().SelectedRow(), 1);  // the default paper
    QTest::keyClick(&paperList(), Qt::Key_Down);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("C"));
    QTest::keyClick(&paperList(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &paperList());
    EXPECT_EQ(paperList().SelectedRow(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &paperList());

    // A click beside the rows or a Ctrl+click on the selected row leaves one paper selected.
    QWidget* rows = paperList().viewport();
    const QPoint belowTheRows(20, rows->height() - 3);
    ASSERT_FALSE(paperList().indexAt(belowTheRows).isValid());
    QTest::mouseClick(rows, Qt::LeftButton, {}, belowTheRows);
    EXPECT_EQ(paperList().SelectedRow(), 2);
    const QPoint onTheSelectedRow =
        paperList().visualRect(paperList().model()->index(2, 0)).center();
    QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier, onTheSelectedRow);
    EXPECT_EQ(paperList().SelectedRow(), 2);

    // The title and the paper list show what is not selected.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Korvane Brevalon Sheetwise - Office.cat[*]"));
    EXPECT_FALSE(window.isWindowModified());
    MakePaperChange();  // A is now row 1, the default paper B row 0
    EXPECT_TRUE(window.isWindowModified());
    window.OnCommand(command::kSave);
    EXPECT_FALSE(window.isWindowModified());

    const auto data = [this](int row, int column, int role) {
        return paperList().model()->data(paperList().model()->index(row, column), role);
    };
    // The default paper in bold with a mark, and the precollated one's mode says so; the cell the
    // window reads keeps the mode alone.
    EXPECT_TRUE(data(0, 0, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(data(0, 0, Qt::DecorationRole).isNull());
    EXPECT_FALSE(data(1, 0, Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(data(1, 0, Qt::DecorationRole).isNull());
    EXPECT_EQ(data(0, 5, Qt::DisplayRole).toString(), QStringLiteral("1-Sided \u00b7 Precollated"));
    EXPECT_EQ(data(1, 5, Qt::DisplayRole).toString(), QStringLiteral("1, 2-Sided"));
    EXPECT_EQ(paperList().CellText(0, 5), QStringLiteral("1-Sided"));
    ClickRow(1);
    button(control::kDefaultPaperBox).click();
    EXPECT_TRUE(data(1, 0, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(data(0, 0, Qt::FontRole).value<QFont>().bold());
}

// The table's texts for a failed Open, Import, Save As or Modify gone, the window says it in
// words of its own rather than saying nothing; a failed Save As keeps the unsaved values.
TEST_F(FileCommandTest, FileMessagesKeepTheirTextsWithoutTheStringTable) {
    auto strings = std::make_shared<StringResources>(*ProgramStrings());
    strings->RemoveBlockOf(17254);
    strings->RemoveBlockOf(17265);  // 17264 to 17266
    MainDialog& window = Start(WriteCatalog("Office", kOfficeCatalog), {}, strings);
    Type(control::kWeightField, QString());
    window.OnCommand(control::kModify);
    EXPECT_EQ(ui.TakeTexts(), QStringList{QStringLiteral("Modify operation cannot be completed "
                                                         "because invalid paper attributes have "
                                                         "been entered.")});
    MakeAttributeChange();
    WriteBytes(dir.File("Locked.cat"), "keep me");
    MakeReadOnly(dir.File("Locked.cat"));
    WriteBytes(dir.File("Copy.cat.atr"), "[PaperColors]\nonly\n");
    MakeReadOnly(dir.File("Copy.cat.atr"));
    for (const char* name : {"Locked.cat", "Copy.cat"}) {
        Choose(dir.File(name));
        window.OnCommand(command::kSaveAs);
    }
    EXPECT_EQ(ui.TakeTexts(), (QStringList{kSaveAsCatalogFailedText, kSaveAsAttributesFailedText}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Copy.cat")));
    EXPECT_TRUE(window.session().document().AttributeFileUnsaved());

    Answer(BoxAnswer::kNo);
    Choose(WriteCatalog("Broken", "H:A\nA:1:75:white\n"));
    window.OnCommand(command::kOpen);
    WriteBytes(dir.File("refused.ini"), ImportFileWithPapers({"Caf#;0;white;75;plain;0"}));
    Choose(dir.File("refused.ini"));
    window.OnCommand(command::kImport);
    ASSERT_EQ(ui.boxes.size(), 4u);
    EXPECT_EQ(ui.boxes.back().caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.boxes.back().icon, BoxIcon::kExclamation);
    const QStringList texts = ui.TakeTexts();
    EXPECT_EQ(texts[1], kDefaultOpenedText);
    EXPECT_EQ(texts[3],
              kFilesProblemText + QStringLiteral("\n\nA Default catalog has been opened instead."));
}

}  // namespace
}  // namespace sheetwise
