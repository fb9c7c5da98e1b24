#include "formats/CatalogText.h"

#include <gtest/gtest.h>

#include "formats/CharacterCheck.h"

namespace sheetwise {
namespace {

TEST(CatalogText, EscapesAndNumbersAreReadTheWayTheFilesNeed) {
    EXPECT_EQ(ReadUnsignedDigits(u"abc-12x3"), 12);
    EXPECT_EQ(ReadUnsignedDigits(u""), 0);
    EXPECT_EQ(ReadUnsignedDigits(u"99999999999999"), INT32_MAX);
    EXPECT_EQ(ReadLeadingInteger(u"  -7x"), -7);
    EXPECT_EQ(ReadLeadingInteger(u"x7"), 0);
    EXPECT_EQ(ReadLeadingInteger(u"-99999999999"), INT32_MIN);
    EXPECT_FLOAT_EQ(ReadSizeNumber(u"w 210.5 mm"), 210.5f);
    EXPECT_FLOAT_EQ(ReadSizeNumber(u"A4 210.5"), 4.0f);
    EXPECT_FLOAT_EQ(ReadSizeNumber(u"8,25in"), 8.25f);
    EXPECT_FLOAT_EQ(ReadSizeNumber(u"-3e5"), 3.0f);
    EXPECT_FLOAT_EQ(ReadSizeNumber(u"none"), 0.0f);
    EXPECT_EQ(FormatDecimal(-42), u"-42");
    EXPECT_EQ(SplitJoined(u"a::b", u':'), (std::vector<std::u16string>{u"a", u"", u"b"}));
    // One buffer for every text, as the reader keeps it: nothing of a longer text stays behind.
    std::u16string decoded;
    const auto decode = [&decoded](std::u16string_view text) {
        DecodeEscapes(text, decoded);
        return decoded;
    };
    EXPECT_EQ(decode(u"\\x41\\x4a2\\xg"), u"AJ2xg");
    EXPECT_EQ(decode(u"plain"), u"plain");
    EXPECT_EQ(decode(u"\\101\\1012\\7\\8"), u"AA2\u00078");
    EXPECT_EQ(decode(u"a\\\\b\\"), u"a\\b");
}

TEST(CharacterCheck, AllowsOnlyTheListedRanges) {
    EXPECT_TRUE(PassesCharacterCheck(u"Az09_*,-.ÀÿЖ€日本ｱ"));
    EXPECT_TRUE(PassesCharacterCheck(u""));
    for (char16_t refused :
         {u' ', u':', u'/', u'\\', u'×', u'\u00A0', u'\u0100', char16_t{0xD83D}}) {
        EXPECT_FALSE(IsAllowedCharacter(refused)) << static_cast<int>(refused);
    }
    EXPECT_TRUE(IsAllowedCharacter(u'\u9FA5'));
    EXPECT_FALSE(IsAllowedCharacter(u'\u9FA6'));
}

}  // namespace
}  // namespace sheetwise
