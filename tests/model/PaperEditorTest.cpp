// The editing panel's rules, on a document without a window.
#include "CatalogFixture.h"
#include "model/PaperEditor.h"

namespace sheetwise {
namespace {

// Letter (75, white, plain), A4_Cover (160, blue, cover), the default, and Tab_Stock (*, *, tab).
class PaperEditorTest : public testing::CatalogTest {
  protected:
    void SetUp() override {
        CatalogTest::SetUp();
        document.catalog() = Load(std::string("Test:A4_Cover\n") + testing::kPapers);
        editor.TakeCatalogLists();
        Show(1);
        Show(0);
    }

    // Holds a paper's values, as the window does when it shows that paper.
    void Show(int32_t index) {
        PaperDefinition paper;
        ASSERT_TRUE(catalog().GetPaper(index, paper));
        editor.selected = index;
        editor.fields = {paper.name,        paper.sizeIndex,  {},
                         paper.weight,      paper.colour,     paper.type,
                         paper.imagedSides, paper.precollated};
        editor.changed = {};
        if (paper.name == catalog().GetDefaultPaper())
            editor.defaultMark = {paper.name, index};
    }

    PaperCatalog& catalog() { return document.catalog(); }
    // The operator typed a name over the shown paper's.
    void TypeName(const char16_t* name) {
        editor.fields.name = name;
        editor.changed.name = true;
    }

    CatalogDocument document;
    PaperEditor editor{document};
};

TEST_F(PaperEditorTest, ModifyChangesTheShownPaperOnly) {
    editor.fields.weight = 90;
    editor.changed.weight = true;
    EXPECT_EQ(editor.Modify(), EditOutcome::kDone);
    EXPECT_EQ(catalog().GetWeight(0), 90);
    EXPECT_TRUE(document.changes().paperChanged);
    EXPECT_FALSE(editor.changed.weight);

    // Out of 60..200 the held weight goes back to the paper's.
    editor.fields.weight = 201;
    editor.changed.weight = true;
    EXPECT_EQ(editor.Modify(), EditOutcome::kWeightOutOfRange);
    EXPECT_EQ(editor.fields.weight, 90);
    EXPECT_FALSE(editor.changed.weight);
    // A typed name of another paper, or of none, renames nothing.
    for (const char16_t* name : {u"Tab_Stock", u"Zed"}) {
        TypeName(name);
        EXPECT_EQ(editor.Modify(), EditOutcome::kIgnored);
    }
    EXPECT_EQ(Names(catalog()), u"Letter A4_Cover Tab_Stock ");
    Show(0);
    editor.fields.colour.clear();
    EXPECT_EQ(editor.Modify(), EditOutcome::kInvalidModify);
    EXPECT_EQ(catalog().GetColour(0), u"white");
}

TEST_F(PaperEditorTest, AddMakesAPaperOrOffersTheTypedValues) {
    EXPECT_EQ(editor.Add().outcome, EditOutcome::kNothingChanged);
    editor.fields.colour = u"blue";  // offered already
    editor.changed.colour = true;
    EXPECT_EQ(editor.Add().outcome, EditOutcome::kNothingChanged);
    editor.fields.weight = 100;
    editor.changed.weight = true;
    EXPECT_TRUE(editor.Add().addsValues);
    EXPECT_EQ(catalog().PaperCount(), 3);

    // A refused name is forgotten, so that the next Add offers values instead.
    Show(2);
    TypeName(u"Letter");
    EXPECT_EQ(editor.Add().outcome, EditOutcome::kNameInUse);
    EXPECT_FALSE(editor.changed.name);
    TypeName(u"New");
    editor.fields.type.clear();
    EXPECT_EQ(editor.Add().outcome, EditOutcome::kInvalidPaper);
    EXPECT_FALSE(editor.changed.name);

    Show(2);
    editor.fields.name = u"New";
    editor.changed = {.name = true, .weight = true};
    editor.fields.weight = 250;
    EXPECT_EQ(editor.Add().outcome, EditOutcome::kWeightOutOfRange);
    EXPECT_EQ(editor.fields.weight, 0);  // Tab_Stock's
    EXPECT_TRUE(editor.changed.name);
    EXPECT_EQ(editor.Add().added, 3);
    EXPECT_EQ(catalog().GetType(3), u"tab");
    EXPECT_TRUE(document.changes().paperAdded);
}

TEST_F(PaperEditorTest, DeleteSparesTheDefaultAndTheLastPaper) {
    // The default is refused by the name held and by the paper shown.
    editor.fields.name = u"A4_Cover";
    EXPECT_EQ(editor.CheckDeletePaper(), EditOutcome::kDefaultNotDeletable);
    Show(1);
    editor.fields.name = u"Other";
    EXPECT_EQ(editor.CheckDeletePaper(), EditOutcome::kDefaultNotDeletable);

    Show(0);
    EXPECT_EQ(editor.CheckDeletePaper(), EditOutcome::kDone);
    bool defaultLost = true;
    EXPECT_EQ(editor.DeletePaper(defaultLost), EditOutcome::kDone);
    EXPECT_FALSE(defaultLost);
    EXPECT_EQ(catalog().GetDefaultIndex(), 0);  // moved along with its paper
    EXPECT_TRUE(document.changes().paperDeleted);
    Show(1);
    EXPECT_EQ(editor.DeletePaper(defaultLost), EditOutcome::kDone);
    Show(0);
    editor.fields.name = u"Other";
    EXPECT_EQ(editor.CheckDeletePaper(), EditOutcome::kLastPaper);
}

TEST_F(PaperEditorTest, TheDefaultIsReplacedNeverRemovedAndStaysOnItsPaper) {
    Show(1);
    EXPECT_EQ(editor.SetDefault(false), EditOutcome::kKeepDefault);
    EXPECT_EQ(editor.SetDefault(true), EditOutcome::kIgnored);
    Show(2);
    editor.fields.name = u"Nobody";
    EXPECT_EQ(editor.SetDefault(true), EditOutcome::kDefaultFailed);
    EXPECT_FALSE(document.changes().paperChanged);
    Show(0);
    EXPECT_EQ(editor.SetDefault(true), EditOutcome::kDone);
    EXPECT_EQ(catalog().GetDefaultPaper(), u"Letter");
    EXPECT_EQ(editor.defaultMark.index, 0);
    EXPECT_TRUE(document.changes().paperChanged);

    // A move keeps the default on its paper.
    EXPECT_EQ(editor.Move(0, +1), EditOutcome::kDone);
    EXPECT_EQ(Names(catalog()), u"A4_Cover Letter Tab_Stock ");
    EXPECT_EQ(catalog().GetDefaultIndex(), 1);
    EXPECT_TRUE(document.changes().papersReordered);
    // Only the paper on the shown row moves; the list would no longer match otherwise.
    editor.fields.name = u"Tab_Stock";
    EXPECT_EQ(editor.Move(1, -1), EditOutcome::kMoveFailed);
    EXPECT_EQ(Names(catalog()), u"A4_Cover Letter Tab_Stock ");
}

TEST_F(PaperEditorTest, OfferedValuesInUseOrWildcardStay) {
    EXPECT_EQ(editor.CheckDeleteValue(kWeights, u"*"), EditOutcome::kWildcardNotDeletable);
    EXPECT_EQ(editor.CheckDeleteValue(kWeights, u"075"), EditOutcome::kValueInUse);  // a number
    EXPECT_EQ(editor.CheckDeleteValue(kColours, u"blue"), EditOutcome::kValueInUse);
    EXPECT_EQ(editor.CheckDeleteValue(kColours, u"Blue"), EditOutcome::kDone);  // exact text
    EXPECT_EQ(editor.CheckDeleteValue(kTypes, u"tab"), EditOutcome::kValueInUse);

    EXPECT_TRUE(editor.AddValue(kTypes, u"matte"));
    EXPECT_EQ(catalog().GetAttributeList(kTypes).back(), u"matte");
    EXPECT_TRUE(document.changes().types);
    EXPECT_EQ(editor.CheckDeleteValue(kTypes, u"matte"), EditOutcome::kDone);
    editor.DeleteValue(kTypes, u"matte");
    const AttributeList types = {u"*", u"plain", u"cover", u"tab"};
    EXPECT_EQ(catalog().GetAttributeList(kTypes), types);
    EXPECT_EQ(editor.working.types, types);
}

}  // namespace
}  // namespace sheetwise
