#include "files/ImportNames.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/CatalogText.h"

namespace sheetwise {
namespace {

PaperNameIndex IndexOf(const std::vector<std::u16string>& names) {
    PaperNameIndex index;
    for (const std::u16string& name : names)
        index.Add(name);
    return index;
}

std::u16string Unique(const std::u16string& name, const std::vector<std::u16string>& accepted) {
    return MakeNameUnique(name, IndexOf(accepted));
}

// The walk written out over the plain list, the way print servers run it, to hold the indexed
// version against.
std::u16string WalkedUnique(std::u16string name, const std::vector<std::u16string>& accepted) {
    for (size_t i = 0; i < accepted.size(); ++i) {
        if (accepted[i] != name)
            continue;
        int number = 1;
        std::u16string candidate = UniqueNameCandidate(name, number);
        for (size_t j = 0; j < accepted.size(); ++j) {
            if (accepted[j] == candidate && number < kMaxUniqueNameNumber)
                candidate = UniqueNameCandidate(name, ++number);
        }
        name = candidate;
    }
    return name;
}

TEST(ImportNamesTest, CandidatesKeepTo32Characters) {
    EXPECT_EQ(UniqueNameCandidate(u"A_B", 1), u"A_B1");
    EXPECT_EQ(UniqueNameCandidate(u"A_B", 99), u"A_B99");
    const std::u16string full(32, u'n');
    EXPECT_EQ(UniqueNameCandidate(full, 1), std::u16string(31, u'n') + u"1");
    EXPECT_EQ(UniqueNameCandidate(full, 12), std::u16string(30, u'n') + u"12");
    EXPECT_EQ(UniqueNameCandidate(std::u16string(31, u'n'), 7), std::u16string(31, u'n') + u"7");
    EXPECT_EQ(UniqueNameCandidate(std::u16string(31, u'n'), 10), std::u16string(30, u'n') + u"10");
}

TEST(ImportNamesTest, WalksAsPrintServersDo) {
    EXPECT_EQ(Unique(u"A_B", {u"X", u"Y"}), u"A_B");
    EXPECT_EQ(Unique(u"A_B", {u"A_B", u"X"}), u"A_B1");
    EXPECT_EQ(Unique(u"A_B", {u"A_B", u"A_B1", u"A_B2"}), u"A_B3");
    // The search for a free number is one pass: A_B1 after A_B2 leaves A_B2, and the outer walk,
    // going on after the first match, then finds A_B2 and appends to it.
    EXPECT_EQ(Unique(u"A_B", {u"A_B", u"A_B2", u"A_B1"}), u"A_B21");
    // The search for a number starts at the first paper, but the outer walk does not go back: a
    // paper before the match that carries the new name is not seen again.
    EXPECT_EQ(Unique(u"A_B", {u"A_B1", u"A_B"}), u"A_B2");
    EXPECT_EQ(Unique(u"A_B", {u"A_B2", u"A_B", u"A_B1"}), u"A_B2");
    // Names are compared exactly.
    EXPECT_EQ(Unique(u"a_b", {u"A_B"}), u"a_b");
}

TEST(ImportNamesTest, StopsCountingAt99) {
    std::vector<std::u16string> accepted{u"N_"};
    for (int n = 1; n <= 120; ++n)
        accepted.push_back(u"N_" + FormatDecimal(n));
    EXPECT_EQ(Unique(u"N_", accepted), u"N_991");
}

TEST(ImportNamesTest, IndexedWalkEqualsTheListWalk) {
    std::mt19937 random(7);
    const std::vector<std::u16string> pool = {u"A",   u"A1",  u"A2", u"A3", u"A11",
                                              u"A21", u"A12", u"B",  u"B1", u"A111"};
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::u16string> accepted(random() % 9);
        for (std::u16string& name : accepted)
            name = pool[random() % pool.size()];
        const std::u16string& name = pool[random() % 3];
        ASSERT_EQ(Unique(name, accepted), WalkedUnique(name, accepted)) << "round " << round;
    }
}

TEST(ImportNamesTest, IndexFindsFromAPosition) {
    const PaperNameIndex index = IndexOf({u"a", u"b", u"a", u"c", u"a"});
    EXPECT_EQ(index.size(), 5u);
    EXPECT_EQ(index.FindFrom(u"a", 0), 0u);
    EXPECT_EQ(index.FindFrom(u"a", 1), 2u);
    EXPECT_EQ(index.FindFrom(u"a", 3), 4u);
    EXPECT_EQ(index.FindFrom(u"a", 5), PaperNameIndex::kNotFound);
    EXPECT_EQ(index.FindFrom(u"d", 0), PaperNameIndex::kNotFound);
}

}  // namespace
}  // namespace sheetwise
