// Showing papers: the lists, the selection, the fields, the buttons, and the screening of what is
// typed.
#include <QMenu>
#include <QMenuBar>

#include "support/WindowFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

TEST_F(WindowTest, SelectingARowFillsTheFieldsAndWhatIsTypedIsScreened) {
    MainDialog& window = Start(WriteCatalog("Office", kOfficeCatalog));
    ClickRow(2);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("C"));
    EXPECT_EQ(field(control::kSizeField).text(), QStringLiteral("8.5 x 14\""));
    EXPECT_EQ(field(control::kWeightField).text(), QStringLiteral("*"));
    EXPECT_EQ(field(control::kColourField).text(), QStringLiteral("*"));
    EXPECT_EQ(field(control::kTypeField).text(), QStringLiteral("tab"));
    EXPECT_TRUE(button(control::kInserter).isChecked());
    EXPECT_EQ(window.session().fields().sizeIndex, 1);
    EXPECT_EQ(list(control::kTypeList).ItemText(list(control::kTypeList).SelectedRow()),
              QStringLiteral("tab"));
    // The last row cannot move down; the first row cannot move up.
    EXPECT_TRUE(button(control::kMoveUp).isEnabled());
    EXPECT_FALSE(button(control::kMoveDown).isEnabled());
    ClickRow(1);
    EXPECT_TRUE(button(control::kDefaultPaperBox).isChecked());
    EXPECT_TRUE(button(control::kPrecollatedBox).isChecked());
    ClickRow(0);
    EXPECT_FALSE(button(control::kMoveUp).isEnabled());
    EXPECT_TRUE(button(control::kMoveDown).isEnabled());
    EXPECT_FALSE(button(control::kModify).isEnabled());

    // Clicks and typing enable Modify, and what is typed is screened.
    QAction* modifyItem = window.menuBar()->actions()[1]->menu()->actions()[5];
    EXPECT_FALSE(modifyItem->isEnabled());
    list(control::kColourList).setFocus();
    list(control::kColourList).setCurrentRow(2);
    EXPECT_TRUE(button(control::kModify).isEnabled());
    EXPECT_TRUE(modifyItem->isEnabled());
    EXPECT_EQ(field(control::kColourField).text(), list(control::kColourList).ItemText(2));
    // Modify changes the paper of the name held: another name leaves it nothing to change.
    Type(control::kNameField, QStringLiteral("Other"));
    EXPECT_FALSE(button(control::kModify).isEnabled());
    EXPECT_FALSE(modifyItem->isEnabled());
    ClickRow(2);
    EXPECT_FALSE(button(control::kModify).isEnabled());
    EXPECT_EQ(window.activeList(), control::kPaperList);
    Type(control::kTypeField, QStringLiteral("glossy"));
    EXPECT_TRUE(button(control::kModify).isEnabled());
    Type(control::kTypeField, QStringLiteral("tab"));  // C's own type again
    EXPECT_FALSE(button(control::kModify).isEnabled());

    // What is typed is screened character by character.
    Type(control::kNameField, QStringLiteral("New x"));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("Newx"));
    EXPECT_EQ(window.session().fields().name, u"Newx");
    // The weight field takes digits only, at most three of them.
    Type(control::kWeightField, QStringLiteral("12a345"));
    EXPECT_EQ(field(control::kWeightField).text(), QStringLiteral("123"));
    EXPECT_EQ(window.session().fields().weight, 123);
    field(control::kWeightField).clear();
    EXPECT_EQ(window.session().fields().weight, -1);
    // A pasted text passes the same screening, and is taken back whole (C's colour is "*").
    window.Control(control::kColourField)->setFocus();
    field(control::kColourField).setText(QStringLiteral("dark:blue"));
    EXPECT_EQ(field(control::kColourField).text(), QStringLiteral("*"));
    EXPECT_EQ(ui.beeps, 2);

    // A single paper of the longest name is found whole and cannot move.
    const std::string name(32, 'N');
    Start(WriteCatalog("Long", "Long:" + name + "\n" + name + ":1:75:white:plain\n"));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(field(control::kNameField).text(), QString::fromStdString(name));
    EXPECT_FALSE(button(control::kMoveUp).isEnabled() || button(control::kMoveDown).isEnabled());
}

TEST_F(WindowTest, ListsShowNamesAndSizesOnceAndTakeInValuesTheyLack) {
    MainDialog& window = Start(WriteCatalog(
        "Odd", "Odd:A\nA:1:77:mauve:glossy:2:0\na:1:75:white:plain\nB:99:75:white:plain\n",
        "8.5:11:0:0:0:Letter\n8.5:11:0:0:0:Again\n210:297:0:0:1:A4\n"));
    EXPECT_EQ(ListTexts(control::kNameList), (QStringList{"A", "B"}));
    EXPECT_EQ(ListTexts(control::kSizeList), (QStringList{"8.5 x 11\"", "210 x 297 mm"}));
    EXPECT_EQ(list(control::kSizeList).ItemData(1), 2);
    // Values missing from the lists join them without unsaved changes.
    EXPECT_TRUE(ListTexts(control::kColourList).contains(QStringLiteral("mauve")));
    EXPECT_TRUE(ListTexts(control::kWeightList).contains(QStringLiteral("77")));
    EXPECT_EQ(window.catalog().GetAttributeList(kTypes).back(), u"glossy");
    EXPECT_FALSE(window.session().document().AttributeFileUnsaved());
    // B's size is outside the size list: its text joins the sizes list but cannot be chosen.
    ClickRow(2);
    ListBox& sizes = list(control::kSizeList);
    const int row = sizes.FindExact(QStringLiteral(" x \""));
    ASSERT_GE(row, 0);
    const int32_t before = window.session().fields().sizeIndex;
    sizes.setFocus();
    sizes.setCurrentRow(row);
    EXPECT_EQ(window.session().fields().sizeIndex, before);
}

}  // namespace
}  // namespace sheetwise
