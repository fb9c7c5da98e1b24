// The paper list's view of a catalog: which papers a find text leaves, in which order a column
// sort shows them, and the mapping between rows and catalog indexes the window relies on; and
// the counts of papers that the attribute lists show beside each value.
#include "model/CaseInsensitive.h"
#include "model/CatalogFixture.h"
#include "model/PaperView.h"
#include "model/ValueUsage.h"

namespace sheetwise {
namespace {

using ValueUsageTest = testing::CatalogTest;

// Sizes: 0 is 8.5 x 11" (215.9 mm wide), 1 is 210 x 297 mm, 2 is 9 x 11" (228.6 mm wide).
constexpr const char* kPapers =
    "Test:beta\n"
    "beta:1:75:White:plain:2:0\n"
    "Alpha:2:160:blue:cover:1:1\n"
    "BETA:3:*:*:tab:0:0\n"
    "gamma:2:90:greek:Plain:1:0\n"
    "alpha:1:120:ivory:cover:2:0\n";

class PaperViewTest : public testing::CatalogTest {
  protected:
    void SetUp() override {
        CatalogTest::SetUp();
        catalog = std::make_unique<PaperCatalog>(Load(kPapers));
        ASSERT_EQ(catalog->status(), 0);
        // A colour the ANSI file cannot hold.
        PaperDefinition gamma = catalog->papers()[3];
        gamma.colour = u"λευκό";
        catalog->ReplacePaperAt(3, gamma);
        view.Update(*catalog, u".");
    }

    // The names of the rows shown, each followed by a blank.
    std::u16string Shown() {
        view.Update(*catalog, u".");
        std::u16string names;
        for (int32_t row = 0; row < view.RowCount(); ++row)
            names += catalog->GetName(view.IndexAt(row)) + u" ";
        return names;
    }

    std::u16string Find(std::u16string_view text) {
        view.SetFindText(text);
        return Shown();
    }

    std::unique_ptr<PaperCatalog> catalog;
    PaperView view;
};

TEST(CaseInsensitiveTest, CapitalsOfTheCodePagesScriptsMatchTheirSmallLetters) {
    EXPECT_EQ(FoldCase(u"ÀÉÎÕÜ ŁŚŽ ŐŰ ΆΈΣΩ ς БЁЯ Ђ ĞŞİ ƠƯ ẠỆ ＡＺ ẞ Ÿ"),
              u"àéîõü łśž őű άέσω σ бёя ђ ğşi ơư ạệ ａｚ ß ÿ");
    EXPECT_EQ(FoldCase(u"×÷ ı 1x2 ß"), u"×÷ ı 1x2 ß");  // nothing to fold
    EXPECT_TRUE(ContainsFolded(u"Letter_COVER", u"r_cov"));
    EXPECT_TRUE(ContainsFolded(u"ΛΕΥΚΌ", FoldCase(u"λευκό")));
    EXPECT_TRUE(ContainsFolded(u"abc", u""));
    EXPECT_FALSE(ContainsFolded(u"ab", u"abc"));
    EXPECT_FALSE(ContainsFolded(u"aXb", u"ab"));
    // A match that starts inside a partial one.
    EXPECT_TRUE(ContainsFolded(u"aaab", u"aab"));
}

TEST_F(PaperViewTest, TheFindTextLeavesThePapersWithItInAnyColumnButTheMode) {
    EXPECT_EQ(Shown(), u"beta Alpha BETA gamma alpha ");
    EXPECT_TRUE(view.ShowsCatalogOrder());
    EXPECT_EQ(Find(u"BET"), u"beta BETA ");
    EXPECT_EQ(Find(u"white"), u"beta ");              // colour, any letter case
    EXPECT_EQ(Find(u"ΛΕΥΚ"), u"gamma ");              // Greek capitals
    EXPECT_EQ(Find(u"mm"), u"Alpha gamma ");          // the size as the list shows it
    EXPECT_EQ(Find(u"x 11\""), u"beta BETA alpha ");  // inches
    EXPECT_EQ(Find(u"12"), u"alpha ");                // the weight
    EXPECT_EQ(Find(u"*"), u"BETA ");                  // the wildcard weight and colour
    EXPECT_EQ(Find(u"plain"), u"beta gamma ");        // the type
    EXPECT_EQ(Find(u"sided"), u"");                   // modes are not searched
    EXPECT_EQ(view.RowCount(), 0);
    EXPECT_EQ(view.PaperCount(), 5);

    // Rows and catalog indexes map both ways; a paper left out has no row.
    EXPECT_EQ(Find(u"alpha"), u"Alpha alpha ");
    EXPECT_EQ(view.IndexAt(1), 4);
    EXPECT_EQ(view.RowOf(4), 1);
    EXPECT_EQ(view.RowOf(0), -1);
    EXPECT_EQ(view.IndexAt(2), -1);
    EXPECT_EQ(view.RowOf(5), -1);
    EXPECT_FALSE(view.ShowsCatalogOrder());
    // A text every paper has hides none: moves mean what they show.
    EXPECT_EQ(Find(u"a"), u"beta Alpha BETA gamma alpha ");
    EXPECT_TRUE(view.ShowsCatalogOrder());

    // The view follows the catalog it is updated with.
    view.SetFindText(u"alpha");
    catalog->RemovePaperAt(1);
    EXPECT_EQ(Shown(), u"alpha ");
    EXPECT_EQ(view.RowOf(3), 0);
    EXPECT_EQ(view.PaperCount(), 4);
}

TEST_F(PaperViewTest, AHeaderSortsUpThenDownThenGivesBackTheCatalogsOrder) {
    view.ClickColumn(PaperColumn::kName);
    // Letter case aside the names are equal: those keep their catalog order, both ways.
    EXPECT_EQ(Shown(), u"Alpha alpha beta BETA gamma ");
    EXPECT_FALSE(view.ShowsCatalogOrder());
    view.ClickColumn(PaperColumn::kName);
    EXPECT_EQ(Shown(), u"gamma beta BETA Alpha alpha ");
    view.ClickColumn(PaperColumn::kName);
    EXPECT_EQ(Shown(), u"beta Alpha BETA gamma alpha ");
    EXPECT_TRUE(view.ShowsCatalogOrder());

    // Another column starts ascending, whatever the last one was.
    view.ClickColumn(PaperColumn::kName);
    view.ClickColumn(PaperColumn::kWeight);
    EXPECT_EQ(Shown(), u"BETA beta gamma alpha Alpha ");  // "*" first, then by number
    view.SortBy(PaperColumn::kSize, SortOrder::kAscending);
    EXPECT_EQ(Shown(), u"Alpha gamma beta alpha BETA ");  // millimetres, whatever the unit
    view.SortBy(PaperColumn::kMode, SortOrder::kAscending);
    EXPECT_EQ(Shown(), u"Alpha gamma beta alpha BETA ");  // 1-Sided, 1, 2-Sided, Inserter
    view.SortBy(PaperColumn::kColour, SortOrder::kDescending);
    EXPECT_EQ(Shown(), u"gamma beta alpha Alpha BETA ");
    view.SortBy(PaperColumn::kType, SortOrder::kAscending);
    EXPECT_EQ(Shown(), u"Alpha alpha beta gamma BETA ");

    // Sorted and found: the rows found, in the sorted order, mapped both ways.
    view.SetFindText(u"a");
    view.SortBy(PaperColumn::kName, SortOrder::kDescending);
    EXPECT_EQ(Find(u"et"), u"beta BETA ");
    EXPECT_EQ(view.RowOf(2), 1);
    EXPECT_EQ(view.IndexAt(0), 0);
}

// How many papers use each offered value and each size, as the attribute lists show it and as a
// refused delete names them.
std::vector<int32_t> Counts(const std::vector<ValueUse>& uses) {
    std::vector<int32_t> counts;
    for (const ValueUse& use : uses)
        counts.push_back(use.papers);
    return counts;
}

TEST_F(ValueUsageTest, EachValueAndSizeCountsThePapersThatUseIt) {
    // Size 3 shows as size 0 does ("8.5 x 11\"" in both letter cases), so its papers count there.
    const PaperCatalog catalog = Load(
        "Test:A\nA:1:75:white:plain:2:0\nB:2:75:blue:cover:1:0\nC:4:0:*:plain:0:0\n"
        "D:2:160:White:plain:2:0\n",
        "test", "8.5:11:0:0:0:L\n210:297:0:0:1:A4\n9:11:0:0:0:T\n8.5:11:0:0:0:again\n",
        "[PaperWeights]\n*\n75\n90 gsm\n160\n75\n[PaperTypes]\nplain\ncover\n"
        "[PaperColors]\n*\nwhite\nblue\nivory\n");
    ASSERT_EQ(catalog.status(), 0);
    // A value listed twice counts for both entries; weights are numbers, colours exact texts.
    EXPECT_EQ(Counts(ValueUses(catalog, kWeights)), (std::vector<int32_t>{1, 2, 0, 1, 2}));
    EXPECT_EQ(Counts(ValueUses(catalog, kTypes)), (std::vector<int32_t>{3, 1}));
    EXPECT_EQ(Counts(ValueUses(catalog, kColours)), (std::vector<int32_t>{1, 1, 1, 0}));
    EXPECT_EQ(UseOf(catalog, kTypes, u"plain").first,
              (std::vector<std::u16string>{u"A", u"C", u"D"}));
    EXPECT_EQ(UseOf(catalog, kWeights, u"*").papers, 1);

    const std::vector<SizeListItem> items = SizeListItemsOf(catalog, u".");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(Counts(SizeUses(catalog, items, u".")), (std::vector<int32_t>{2, 2, 0}));

    // The users are named up to ten, then counted.
    ValueUse use;
    EXPECT_EQ(UsersText(use), "Used by no paper.");
    use = {2, {u"A", u"Λ"}};
    EXPECT_EQ(UsersText(use), "Used by A, Λ.");
    use = {12, std::vector<std::u16string>(ValueUse::kNamed, u"P")};
    EXPECT_EQ(UsersText(use), "Used by P, P, P, P, P, P, P, P, P, P and 2 more papers.");
}

}  // namespace
}  // namespace sheetwise
