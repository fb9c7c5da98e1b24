// Offered colours, weights and types in the window's lists: the value Delete removes from the list
// that was clicked last, and what the list shows afterwards.
#include "CommandFixture.h"

namespace sheetwise {
namespace {

class AttributeCommandsTest : public testing::CommandTest {
  protected:
    // A is the default paper. No paper uses ivory, 120 or glossy.
    MainDialog& Open() {
        return Start(WriteCatalog("Attr", "Attr:A\nA:1:75:white:plain:2:0\nB:9:90:blue:cover:1:0\n",
                                  DefaultFile(".DEF"),
                                  "[PaperWeights]\n*\n75\n90\n120\n"
                                  "[PaperTypes]\n*\nplain\ncover\nglossy\n"
                                  "[PaperColors]\n*\nwhite\nblue\nivory\n"));
    }
    QString Selected(int id) { return list(id).ItemText(list(id).SelectedRow()); }
};

TEST_F(AttributeCommandsTest, DeleteTakesTheValueOfTheListClickedLastAndSelectsItsNeighbour) {
    MainDialog& window = Open();
    ClickItem(control::kWeightList, "120");
    ui.answers = {BoxAnswer::kNo};
    Click(control::kDelete);
    ASSERT_FALSE(ui.boxes.empty());
    EXPECT_EQ(ui.boxes[0].details, QStringLiteral("120"));  // the question names the value
    Expect("Warning", "Continuing will delete the selected Weight attribute.\n\nContinue?",
           BoxButtons::kYesNo);
    EXPECT_FALSE(window.session().document().AttributeFileUnsaved());
    ClickRow(1);
    Type(control::kWeightField, QStringLiteral("120"));
    Click(control::kModify);  // now no paper weighs 90
    ClickItem(control::kWeightList, "90");
    ui.answers = {BoxAnswer::kYes};
    Click(control::kDelete);
    ui.boxes.clear();
    EXPECT_EQ(ListTexts(control::kWeightList).join(' '), QStringLiteral("* 75 120"));
    // The item that took its place is selected and shown.
    EXPECT_EQ(Selected(control::kWeightList), QStringLiteral("120"));
    EXPECT_EQ(field(control::kWeightField).text(), QStringLiteral("120"));

    // Sizes and names are not deleted; a list without a selection cannot say what to delete.
    ClickItem(control::kSizeList, "210 x 297 mm");
    Click(control::kDelete);
    ClickItem(control::kNameList, "B");
    Click(control::kDelete);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.catalog().PaperCount(), 2);
    // A colour typed that the list does not offer leaves nothing selected to delete.
    ClickItem(control::kColourList, "ivory");
    Type(control::kColourField, QStringLiteral("zzz"));
    Click(control::kDelete);
    Expect("Error", "Unable to get  selection");
    EXPECT_EQ(window.catalog().GetAttributeList(kColours).size(), 4u);
}

}  // namespace
}  // namespace sheetwise
