#include <gtest/gtest.h>

#include <vector>

#include "model/CatalogFixture.h"

namespace sheetwise {
namespace {

using testing::CatalogTest;

constexpr const char* kThree =
    "H:P2\nP1:1:75:white:plain:2:0\nP2:2:160:blue:cover:1:1\nP3:3:0:*:tab:0:0\n";

TEST_F(CatalogTest, QueriesAnswerOutOfRangeWithTheirDefaultsAndSizesFallBackOrFail) {
    PaperCatalog catalog = Load(kThree);
    PaperDefinition paper;
    EXPECT_FALSE(catalog.GetPaper(3, paper));
    EXPECT_EQ(std::tuple(catalog.GetName(-1), catalog.GetSizeIndex(3), catalog.GetWeight(3),
                         catalog.GetColour(3), catalog.GetType(3), catalog.GetImagedSides(3),
                         catalog.GetPrecollated(3), catalog.GetPrecollated(1)),
              std::tuple(u"", -1, 0, u"white", u"plain", 2, 2, 1));
    EXPECT_EQ(catalog.FindPaper(u"p1"), -1);
    std::u16string width = u"unchanged", height;
    int32_t unit = 0;
    EXPECT_TRUE(catalog.GetPaperSizeTexts(1, width, height, unit));
    EXPECT_EQ(width + u"x" + height, u"210x297");
    EXPECT_EQ(unit, 2);
    EXPECT_TRUE(catalog.GetPaperSizeTexts(0, width, height, unit));
    EXPECT_EQ(unit, 1);
    EXPECT_FALSE(catalog.GetSizeTexts(5, width, height));

    // A size index outside the list falls back to the default paper's size, or fails.
    EXPECT_FALSE(catalog.AddPaper(u"AtEnd", 3, u"white", 75, u"plain", 2, 0));
    EXPECT_EQ(catalog.status(), kStatusNotFoundOrNoSize);
    ASSERT_TRUE(catalog.AddPaper(u"Beyond", 4, u"white", 75, u"plain", 2, 0));
    EXPECT_EQ(catalog.papers().back().sizeIndex, 1);  // the default paper P2's size
    ASSERT_TRUE(catalog.AddPaper(u"Negative", -1, u"white", 75, u"plain", 2, 0));
    EXPECT_EQ(catalog.papers().back().sizeIndex, 1);

    PaperCatalog noDefault = Load("H:None\nP1:0:75:white:plain\n", "nodefault");
    EXPECT_EQ(noDefault.GetDefaultIndex(), 0);  // kept from construction
    EXPECT_FALSE(noDefault.AddPaper(u"X", -1, u"white", 75, u"plain", 2, 0));
    EXPECT_EQ(noDefault.status(), kStatusNotFoundOrNoSize);  // P1 has no valid size
}

TEST_F(CatalogTest, AddAppendsModifyReplacesAndBothRefuseWhatTheyMust) {
    PaperCatalog catalog = Load(kThree);
    ASSERT_TRUE(catalog.AddPaper(u"New", 1, u"blue", 90, u"*", 9, 1));
    // "*" is not the reader's wildcard here; an unknown mode is 2-Sided.
    EXPECT_EQ(catalog.papers().back(), (PaperDefinition{u"New", 1, 210, 297, 90, u"blue", 5, u"*",
                                                        kOtherTypeCode, kTwoSided, 1, 0}));
    EXPECT_EQ(catalog.status(), kStatusOk);

    EXPECT_FALSE(catalog.AddPaper(u"New", 0, u"white", 75, u"plain", 2, 0));
    EXPECT_EQ(catalog.status(), kStatusNotFoundOrExists);
    // Bad characters, and empty texts, which would be saved as lines the reader drops.
    const std::u16string_view refused[][3] = {{u"Bad Name", u"wh ite", u"plain"},
                                              {u"Other", u"white", u"pl:ain"},
                                              {u"", u"white", u"plain"},
                                              {u"Other", u"", u"plain"},
                                              {u"Other", u"white", u""}};
    for (const auto& [name, colour, type] : refused) {
        EXPECT_FALSE(catalog.AddPaper(name, 0, colour, 75, type, 2, 0));
        EXPECT_EQ(catalog.status(), kStatusBadCharacter);
        EXPECT_FALSE(catalog.ModifyPaper(name.empty() ? name : u"P1", 0, colour, 75, type, 2, 0));
        EXPECT_EQ(catalog.status(), kStatusBadCharacter);
    }
    EXPECT_EQ(catalog.PaperCount(), 4);

    // A long name is cut first, and the cut name is the one that must be new.
    const std::u16string longName(33, u'L');
    ASSERT_TRUE(catalog.AddPaper(longName, 0, u"white", 75, u"plain", 2, 0));
    EXPECT_EQ(catalog.GetName(4), std::u16string(32, u'L'));
    EXPECT_FALSE(catalog.AddPaper(longName + u"X", 0, u"white", 75, u"plain", 2, 0));
    EXPECT_EQ(catalog.status(), kStatusNotFoundOrExists);
    EXPECT_EQ(catalog.GetDefaultIndex(), 1);

    // Modify replaces the paper of that name, and only a paper the catalog has.
    ASSERT_TRUE(catalog.ModifyPaper(u"P3", 0, u"white", 120, u"cover", 1, 1));
    EXPECT_EQ(catalog.papers()[2],
              (PaperDefinition{u"P3", 0, 8.5, 11, 120, u"white", 1, u"cover", 1, 1, 1, 0}));
    const std::vector<PaperDefinition> before = catalog.papers();
    EXPECT_FALSE(catalog.ModifyPaper(u"P4", 0, u"white", 75, u"plain", 2, 0));
    EXPECT_EQ(catalog.status(), kStatusNotFoundOrNoSize);
    EXPECT_EQ(catalog.papers(), before);
}

TEST_F(CatalogTest, DeletesAndMovesLeaveTheDefaultIndexToTheCaller) {
    PaperCatalog catalog = Load(kThree);
    EXPECT_FALSE(catalog.DeletePaper(3));
    EXPECT_EQ(catalog.status(), kStatusNotFoundOrExists);
    ASSERT_TRUE(catalog.DeletePaper(0));
    EXPECT_EQ(Names(catalog), u"P2 P3 ");
    EXPECT_EQ(catalog.GetDefaultPaper(), u"P3");  // the index stayed at 1
    ASSERT_TRUE(catalog.SetDefaultPaper(u"P2"));
    EXPECT_EQ(catalog.GetDefaultIndex(), 0);
    EXPECT_FALSE(catalog.SetDefaultPaper(u"P1"));
    EXPECT_EQ(catalog.status(), kStatusNotFoundOrExists);
    // Moves exchange neighbours, and the default index stays where it is.
    ASSERT_TRUE(catalog.MovePaper(u"P2", 1));
    EXPECT_EQ(Names(catalog), u"P3 P2 ");
    EXPECT_EQ(catalog.GetDefaultIndex(), 0);
    PaperCatalog other = Load(kThree, "other");
    ASSERT_TRUE(other.MovePaper(u"P3", 0));
    EXPECT_EQ(Names(other), u"P1 P3 P2 ");
    ASSERT_TRUE(other.MovePaper(u"P1", 0));
    ASSERT_TRUE(other.MovePaper(u"P2", 1));
    EXPECT_EQ(Names(other), u"P1 P3 P2 ");
    EXPECT_FALSE(other.MovePaper(u"P9", 0));
    EXPECT_EQ(other.status(), kStatusNotFoundOrNoSize);
}

TEST_F(CatalogTest, AttributeValuesAreAppendedRemovedAndReloadedByKind) {
    PaperCatalog catalog = Load(kThree);
    EXPECT_TRUE(catalog.AddAttributeValue(kColours, u"white"));  // duplicates allowed
    EXPECT_EQ(catalog.GetAttributeList(kColours),
              (AttributeList{u"*", u"white", u"blue", u"white"}));
    EXPECT_FALSE(catalog.AddAttributeValue(3, u"x"));
    EXPECT_TRUE(catalog.DeleteAttribute(kColours, u"white"));
    EXPECT_EQ(catalog.GetAttributeList(kColours), (AttributeList{u"*", u"blue", u"white"}));
    EXPECT_FALSE(catalog.DeleteAttribute(kWeights, u"90"));
    EXPECT_FALSE(catalog.DeleteAttribute(kTypes, u"Plain"));
    EXPECT_FALSE(catalog.DeleteAttribute(7, u"plain"));
    EXPECT_TRUE(catalog.DeleteAttribute(kTypes, u"tab"));
    EXPECT_EQ(catalog.GetType(2), u"tab");  // papers keep their value
    EXPECT_EQ(&catalog.GetAttributeList(9), &catalog.GetAttributeList(kColours));

    // Reloads replace them, and the sizes, with what the files hold.
    testing::WriteBytes(dir.File("test.def"), "1:2:0:0:1:only\n");
    ASSERT_TRUE(catalog.ReloadSizes(dir.Wide("test.cat")));
    ASSERT_EQ(catalog.sizes().size(), 1u);
    EXPECT_EQ(catalog.sizes()[0].text, u"only");
    ASSERT_TRUE(catalog.ReloadAttributes(dir.Wide("test.cat")));
    EXPECT_EQ(catalog.GetAttributeList(kWeights), (AttributeList{u"*", u"75", u"160"}));
    ASSERT_TRUE(catalog.Open(dir.Wide("test.cat"), true));
    EXPECT_EQ(catalog.GetAttributeList(kWeights).size(), 6u);  // the companion step appends
    EXPECT_EQ(catalog.GetSizeIndex(0), 0);
    EXPECT_EQ(catalog.GetSizeIndex(1), -1);
}

}  // namespace
}  // namespace sheetwise
