#include "import/ImportNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/CatalogText.h"

namespace sheetwise {
namespace {

PaperNameIndex IndexOf(const std::vector<std::u16string>& names) {
    PaperNameIndex index;
    for (const std::u16string& name : names)
        index.Add(name);
    return index;
}

// The walk is kept as print servers walk it, quirks included.
TEST(ImportNamesTest, WalksAsPrintServersDoWithCandidatesOfAtMost32Characters) {
    std::vector<std::u16string> many{u"N_"};
    for (int n = 1; n <= 120; ++n)
        many.push_back(u"N_" + FormatDecimal(n));
    const std::tuple<std::u16string, std::vector<std::u16string>, std::u16string> cases[] = {
        {u"A_B", {u"X", u"Y"}, u"A_B"},
        {u"A_B", {u"A_B", u"X"}, u"A_B1"},
        {u"A_B", {u"A_B", u"A_B1", u"A_B2"}, u"A_B3"},
        // One pass for a free number: A_B1 after A_B2 leaves A_B2, which the outer walk, going
        // on after the first match, then finds and appends to.
        {u"A_B", {u"A_B", u"A_B2", u"A_B1"}, u"A_B21"},
        // The number search starts at the first paper; the outer walk does not go back.
        {u"A_B", {u"A_B1", u"A_B"}, u"A_B2"},
        {u"A_B", {u"A_B2", u"A_B", u"A_B1"}, u"A_B2"},
        {u"a_b", {u"A_B"}, u"a_b"},  // names are compared exactly
        {u"N_", many, u"N_991"},     // the count stops at 99
    };
    for (const auto& [name, accepted, expected] : cases) {
        EXPECT_EQ(MakeNameUnique(name, IndexOf(accepted)), expected) << accepted.size();
    }
    const std::u16string n30(30, u'n');
    EXPECT_EQ(UniqueNameCandidate(n30 + u"nn", 12), n30 + u"12");
    EXPECT_EQ(UniqueNameCandidate(n30 + u"n", 7), n30 + u"n7");
    EXPECT_EQ(UniqueNameCandidate(n30 + u"n", 10), n30 + u"10");
}

}  // namespace
}  // namespace sheetwise
