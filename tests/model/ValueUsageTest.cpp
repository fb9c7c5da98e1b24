// How many papers use each offered value and each size, as the attribute lists show it and as a
// refused delete names them.
#include "model/CatalogFixture.h"
#include "model/ValueUsage.h"

namespace sheetwise {
namespace {

std::vector<int32_t> Counts(const std::vector<ValueUse>& uses) {
    std::vector<int32_t> counts;
    for (const ValueUse& use : uses)
        counts.push_back(use.papers);
    return counts;
}

class ValueUsageTest : public testing::CatalogTest {};

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
}

TEST_F(ValueUsageTest, TheUsersAreNamedUpToTenThenCounted) {
    ValueUse use;
    EXPECT_EQ(UsersText(use), "Used by no paper.");
    use = {2, {u"A", u"Λ"}};
    EXPECT_EQ(UsersText(use), "Used by A, Λ.");
    use = {12, std::vector<std::u16string>(ValueUse::kNamed, u"P")};
    EXPECT_EQ(UsersText(use), "Used by P, P, P, P, P, P, P, P, P, P and 2 more papers.");
}

}  // namespace
}  // namespace sheetwise
