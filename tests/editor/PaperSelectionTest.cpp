// Showing papers: the lists, the selection, the fields, the buttons, and the screening of what is
// typed.
#include <QMenu>
#include <QMenuBar>

#include "support/WindowFixture.h"

namespace sheetwise {
namespace {

using testing::WindowTest;

constexpr const char* kSmall =
    "Small:B\nA:1:75:white:plain:2:0\nB:9:160:blue:cover:1:1\nC:2:0:*:tab:0:0\n";

TEST_F(WindowTest, SelectingARowFillsEveryField) {
    MainDialog& window = Start(WriteCatalog("Small", kSmall));
    ClickRow(2);
    EXPECT_EQ(window.selectedRow(), 2);
    EXPECT_EQ(window.selectedPaperIndex(), 2);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("C"));
    EXPECT_EQ(field(control::kSizeField).text(), QStringLiteral("8.5 x 14\""));
    EXPECT_EQ(field(control::kWeightField).text(), QStringLiteral("*"));
    EXPECT_EQ(field(control::kColourField).text(), QStringLiteral("*"));
    EXPECT_EQ(field(control::kTypeField).text(), QStringLiteral("tab"));
    EXPECT_TRUE(button(control::kInserter).isChecked());
    EXPECT_FALSE(button(control::kTwoSided).isChecked());
    EXPECT_FALSE(button(control::kDefaultPaperBox).isChecked());
    EXPECT_EQ(window.fields().weight, 0);
    EXPECT_EQ(window.fields().mode, kInserter);
    EXPECT_EQ(window.fields().sizeIndex, 1);
    EXPECT_EQ(list(control::kTypeList).ItemText(list(control::kTypeList).SelectedRow()),
              QStringLiteral("tab"));
    // The last row cannot move down; the first row cannot move up.
    EXPECT_TRUE(button(control::kMoveUp).isEnabled());
    EXPECT_FALSE(button(control::kMoveDown).isEnabled());
    ClickRow(1);
    EXPECT_TRUE(button(control::kDefaultPaperBox).isChecked());
    EXPECT_TRUE(button(control::kPrecollatedBox).isChecked());
    EXPECT_EQ(window.defaultMark().name, u"B");
    EXPECT_EQ(window.defaultMark().index, 1);
    EXPECT_EQ(field(control::kSizeField).text(), QStringLiteral("210 x 297 mm"));
    ClickRow(0);
    EXPECT_FALSE(button(control::kMoveUp).isEnabled());
    EXPECT_TRUE(button(control::kMoveDown).isEnabled());
    EXPECT_TRUE(button(control::kAdd).isEnabled());
    EXPECT_TRUE(button(control::kDelete).isEnabled());
    EXPECT_FALSE(button(control::kModify).isEnabled());
}

TEST_F(WindowTest, ValuesMissingFromTheListsJoinThemWithoutUnsavedChanges) {
    MainDialog& window =
        Start(WriteCatalog("Odd", "Odd:A\nA:1:77:mauve:glossy:2:0\nB:99:75:white:plain\n"));
    EXPECT_TRUE(ListTexts(control::kColourList).contains(QStringLiteral("mauve")));
    EXPECT_TRUE(ListTexts(control::kWeightList).contains(QStringLiteral("77")));
    EXPECT_EQ(window.workingLists().types.back(), u"glossy");
    EXPECT_EQ(window.catalog().GetAttributeList(kColours).back(), u"mauve");
    EXPECT_FALSE(window.changeFlags().AnyAttribute());
    // B's size is outside the size list: its text joins the sizes list but cannot be chosen.
    ClickRow(1);
    ListBox& sizes = list(control::kSizeList);
    const int row = sizes.FindExact(QStringLiteral(" x \""));
    ASSERT_GE(row, 0);
    EXPECT_EQ(sizes.ItemData(row), -1);
    const int32_t before = window.fields().sizeIndex;
    sizes.setFocus();
    sizes.setCurrentRow(row);
    EXPECT_EQ(window.fields().sizeIndex, before);
}

TEST_F(WindowTest, LongNamesAreFoundWholeAndOnePaperCannotMove) {
    const std::string name(32, 'N');
    MainDialog& window =
        Start(WriteCatalog("Long", "Long:" + name + "\n" + name + ":1:75:white:plain\n"));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.selectedPaperIndex(), 0);
    EXPECT_EQ(field(control::kNameField).text(), QString::fromStdString(name));
    EXPECT_FALSE(button(control::kMoveUp).isEnabled());
    EXPECT_FALSE(button(control::kMoveDown).isEnabled());
}

TEST_F(WindowTest, NamesAndSizesAppearOnceIgnoringCase) {
    Start(WriteCatalog("Dup", "Dup:A\nA:1:75:white:plain\na:1:75:white:plain\nB:1:75:white:plain\n",
                       "8.5:11:0:0:0:Letter\n8.5:11:0:0:0:Again\n210:297:0:0:1:A4\n"));
    EXPECT_EQ(ListTexts(control::kNameList), (QStringList{"A", "B"}));
    EXPECT_EQ(ListTexts(control::kSizeList), (QStringList{"8.5 x 11\"", "210 x 297 mm"}));
    EXPECT_EQ(list(control::kSizeList).ItemData(1), 2);
}

TEST_F(WindowTest, TypingIsScreenedCharacterByCharacter) {
    MainDialog& window = Start(WriteCatalog("Small", kSmall));
    Type(control::kNameField, QStringLiteral("New"));
    EXPECT_EQ(window.focusedField(), control::kNameField);
    EXPECT_EQ(window.fields().name, u"New");
    EXPECT_TRUE(window.fieldChanges().name);
    QTest::keyClicks(window.Control(control::kNameField), QStringLiteral(" x"));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("Newx"));
    // The weight field takes digits only, at most three of them.
    Type(control::kWeightField, QStringLiteral("12a345"));
    EXPECT_EQ(field(control::kWeightField).text(), QStringLiteral("123"));
    EXPECT_EQ(window.fields().weight, 123);
    field(control::kWeightField).clear();
    EXPECT_EQ(window.fields().weight, -1);
    EXPECT_FALSE(window.fieldChanges().weight);
    // A pasted text passes the same screening.
    window.Control(control::kColourField)->setFocus();
    field(control::kColourField).setText(QStringLiteral("dark:blue"));
    EXPECT_EQ(field(control::kColourField).text(), QStringLiteral("blue"));
    EXPECT_EQ(ui.beeps, 2);
}

TEST_F(WindowTest, ClicksAndTypingEnableModifyByTheRules) {
    MainDialog& window = Start(WriteCatalog("Small", kSmall));
    QAction* modifyItem = window.menuBar()->actions()[1]->menu()->actions()[5];
    EXPECT_FALSE(button(control::kModify).isEnabled());
    list(control::kColourList).setFocus();
    list(control::kColourList).setCurrentRow(2);
    EXPECT_TRUE(button(control::kModify).isEnabled());
    EXPECT_TRUE(modifyItem->isEnabled());
    EXPECT_EQ(window.activeList(), control::kColourList);
    EXPECT_EQ(field(control::kColourField).text(), list(control::kColourList).ItemText(2));
    Type(control::kNameField, QStringLiteral("Other"));
    EXPECT_FALSE(button(control::kModify).isEnabled());
    EXPECT_FALSE(modifyItem->isEnabled());
    Type(control::kTypeField, QStringLiteral("glossy"));
    EXPECT_TRUE(button(control::kModify).isEnabled());
    button(control::kPrecollatedBox).click();
    ClickRow(2);
    EXPECT_FALSE(button(control::kModify).isEnabled());
    EXPECT_EQ(window.activeList(), control::kPaperList);
    EXPECT_EQ(window.focusedField(), 0);
}

}  // namespace
}  // namespace sheetwise
