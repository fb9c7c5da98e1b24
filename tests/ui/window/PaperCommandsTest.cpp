// The commands that change papers, driven through the window's buttons, boxes and fields: what
// reaches the session, and what the window shows of it afterwards. The rules are the session's
// (tests/model).
#include <QAction>
#include <QSignalSpy>

#include "CommandFixture.h"

namespace sheetwise {
namespace {

constexpr const char* kWeightRange =
    "Unable to update weight. The valid weight range is 60 - 200 gsm.";

class PaperCommandsTest : public testing::CommandTest {};

TEST_F(PaperCommandsTest, ModifyAddAndTheDefaultPaperSendTheFieldsAndShowThePaper) {
    MainDialog& window = Start(WriteCatalog("Small", testing::kOfficeCatalog));
    ClickRow(0);
    ClickItem(control::kSizeList, "210 x 297 mm");
    ClickItem(control::kColourList, "blue");
    Type(control::kWeightField, QStringLiteral("90"));
    Click(control::kOneSided);
    Click(control::kPrecollatedBox);
    Click(control::kModify);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.catalog().papers()[0],
              (PaperDefinition{u"A", 8, 210, 297, 90, u"blue", 5, u"plain", 0, 1, 1, 0}));
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(paperList().CellText(0, column),
                  (QStringList{"A", "210 x 297 mm", "blue", "90", "plain", "1-Sided"}[column]));
    }
    EXPECT_EQ(paperList().SelectedRow(), 0);
    EXPECT_FALSE(button(control::kModify).isEnabled());
    // A refused weight: the field shows the stored one again.
    Type(control::kWeightField, QStringLiteral("201"));
    Click(control::kModify);
    Expect("Error", kWeightRange);
    EXPECT_EQ(field(control::kWeightField).text(), QStringLiteral("90"));

    window.MenuAction(control::kAdd)->trigger();
    Expect("Error", "Add operation cannot be completed. No attributes have been changed.");
    ClickRow(2);
    Type(control::kNameField, QStringLiteral("D"));
    Type(control::kWeightField, QStringLiteral("95"));
    Click(control::kAdd);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.catalog().papers()[3],
              (PaperDefinition{u"D", 1, 8.5, 14, 95, u"*", 7, u"tab", 4, 0, 0, 0}));
    EXPECT_EQ(paperList().SelectedRow(), 3);
    EXPECT_EQ(paperList().CellText(3, 3), QStringLiteral("95"));
    EXPECT_EQ(ListTexts(control::kNameList).back(), QStringLiteral("D"));

    // The default paper box: B, the default, is shown again, and this unchecks it.
    ClickRow(1);
    Click(control::kDefaultPaperBox);
    Expect("Warning", "Please select another paper as the default paper.");
    EXPECT_TRUE(button(control::kDefaultPaperBox).isChecked());
    ClickRow(2);
    Type(control::kNameField, QStringLiteral("Nobody"));
    Click(control::kDefaultPaperBox);
    Expect("Error", "The default paper selection cannot be completed.");
    EXPECT_FALSE(button(control::kDefaultPaperBox).isChecked());
    ClickRow(0);
    Click(control::kDefaultPaperBox);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.catalog().GetDefaultPaper(), u"A");
    EXPECT_TRUE(button(control::kDefaultPaperBox).isChecked());

    // The Modify test sends the 1-Sided button and the box on to the catalog.
    Click(control::kInserter);
    EXPECT_EQ(window.session().fields().mode, kInserter);
    EXPECT_TRUE(window.session().changed().mode);
}

TEST_F(PaperCommandsTest, MovesExchangeTwoRowsAndKeepTheDefaultOnItsPaper) {
    Start(WriteCatalog("Small", testing::kOfficeCatalog));
    QSignalSpy refills(paperList().model(), &QAbstractItemModel::modelReset);
    Click(control::kMoveDown);  // B, the default
    EXPECT_EQ(Names(), u"A C B ");
    EXPECT_EQ(paperList().CellText(1, 0) + paperList().CellText(1, 3), QStringLiteral("C*"));
    EXPECT_EQ(paperList().CellText(2, 5), QStringLiteral("1-Sided"));
    EXPECT_EQ(paperList().SelectedRow(), 2);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("B"));
    EXPECT_FALSE(button(control::kMoveDown).isEnabled());
    Click(control::kMoveUp);
    Click(control::kMoveUp);
    EXPECT_EQ(paperList().CellText(0, 0) + paperList().CellText(1, 0), QStringLiteral("BA"));
    EXPECT_FALSE(button(control::kMoveUp).isEnabled());
    EXPECT_TRUE(button(control::kMoveDown).isEnabled());
    EXPECT_EQ(refills.count(), 0);
    // On row 0, Move up only disables its button.
    button(control::kMoveUp).setEnabled(true);
    Click(control::kMoveUp);
    EXPECT_FALSE(button(control::kMoveUp).isEnabled());
    // A name typed over the selected paper's is not moved: the list would no longer match.
    ClickRow(1);
    Type(control::kNameField, QStringLiteral("C"));
    Click(control::kMoveUp);
    Expect("Error", "Move up operation cannot be completed.");
    EXPECT_EQ(Names(), u"B A C ");
    EXPECT_EQ(paperList().CellText(2, 0), QStringLiteral("C"));
}

}  // namespace
}  // namespace sheetwise
