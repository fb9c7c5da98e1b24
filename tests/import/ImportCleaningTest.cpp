#include "import/ImportCleaning.h"

#include <gtest/gtest.h>

#include <string>

#include "import/ImportPaperDefinition.h"
#include "import/ImportTestSupport.h"

namespace sheetwise {
namespace {

using Pair = std::pair<std::u16string, std::u16string>;

TEST(ImportCleaningTest, SizesBecomeDimensionTextsWeightsLoseTheirUnitNamesTheirWhiteSpace) {
    const Pair cases[] = {
        {u"12 x 18 in", u"12 x 18\""},  // starts with a digit: nothing is skipped
        {u"Legal", u"8.5 x 11\""},      // no digit: Letter
        {u"A4 Legal", u"8.5 x 11\""},   // no digit after the paper name: Letter
        {u"A4", u"4\""},                // no space: from the first digit
        {u"x210x297mm", u"210x297 mm"},
        // Only fractions of zeros are dropped, after "." or ",".
        {u"10.05 x 8 in", u"10.05 x 8\""},
        {u"210,0 x 297,00 mm", u"210 x 297 mm"},
        {u"8.50 x 11.00 in", u"8.50 x 11\""},
        {u"0.0 x 1. x .0 in", u"0 x 1. x .0\""},
        // "mm" in any case right after the last digit, blanks between allowed, or " mm" later.
        {u"A4 210 x 297mM", u"210 x 297 mm"},
        {u"A4 210 x 297\tMm", u"210 x 297 mm"},
        {u"A4 210 x 297 (in mm)", u"210 x 297 mm"},
        {u"A4 210 x 297 in (MM)", u"210 x 297\""},
        {u"A4 210 x 297 m", u"210 x 297\""},
    };
    for (const auto& [size, expected] : cases) {
        EXPECT_EQ(CleanSizeText(size), expected) << Utf16ToUtf8(size);
    }
    const Pair weights[] = {{u"75 gsm", u"75"},  {u"75gsm", u"75"},    {u"90 sheets", u"90"},
                            {u"120m", u"120"},   {u"heavy", u"heavy"}, {u"gsm", u""},
                            {u"75GSM", u"75GSM"}};
    for (const auto& [weight, expected] : weights) {
        EXPECT_EQ(CleanWeightText(weight), expected) << Utf16ToUtf8(weight);
    }
    int32_t number = -1;
    for (const char16_t* bad : {u"", u" 1", u"-1", u"+1", u"1.0", u"\uff11"}) {
        EXPECT_FALSE(ReadSizeNumberField(bad, number)) << Utf16ToUtf8(bad);
    }
    EXPECT_EQ(RemoveWhiteSpace(u" a\tb\u00a0c\u3000d\u2003e\u4e2d "), u"abcde\u4e2d");
    EXPECT_TRUE(StartsWithDefaultMarker(u"<<"));
    EXPECT_FALSE(StartsWithDefaultMarker(u" <<") || StartsWithDefaultMarker(u"<"));
}

// The outcome, the paper when accepted and the colon flags, in one line.
std::string Clean(const std::u16string& value) {
    const CleanedPaperDefinition cleaned = CleanPaperDefinition(value);
    const char* const results[] = {"", "skipped", "missing", "invalid"};
    return (cleaned.result == PaperDefinitionResult::kAccepted ? testing::Describe(cleaned.paper)
                                                               : results[int(cleaned.result)]) +
           (cleaned.nameColonReplaced ? " name:" : "") + (cleaned.colonReplaced ? " colon" : "");
}

// Fields are cleaned in order and the first that decides the paper's fate ends the cleaning.
TEST(ImportPaperDefinitionTest, FieldsAreCleanedInOrderUntilOneDecides) {
    const std::u16string cs(300, u'c');
    const std::pair<std::u16string, std::string> cases[] = {
        {u"Office;0;white;75;plain;0", "Office;0;white;75;plain;2;0"},
        {u"Draft\tA 4;0012;<<;<<;<<x;2;extra", "DraftA4;12;*;0;*;0;0"},
        {u"N" + std::u16string(40, u'n') + u";1;" + cs + u";60;" + cs + u";1",
         "N" + std::string(31, 'n') + ";1;" + std::string(20, 'c') + ";60;" + std::string(20, 'c') +
             ";1;0"},
        {u" *;1;white;*90;plain;x", "*;1;white;0;plain;2;0"},  // the blank goes after the skip
        {u"A;99999999999;white; 200gsm;plain;1 sided;;;", "A;2147483647;white;200;plain;1;0"},
        {u"*;x;;;;", "skipped"},
        {u"<<Name;0;white;75;plain;0", "skipped"},
        {u";0;white;75;plain;0", "missing"},
        {u"A;1x;;75;plain;0", "invalid"},
        {u"A;1;;75x;plain;0", "missing"},
        {u"A;1;white;59;plain;0", "invalid"},
        {u"A;1;white;-70;plain;0", "invalid"},
        {u"A;1;white;201;;0", "invalid"},
        {u"A;1;white;60;plain;", "missing"},
        {u"A;1;white;60;plain", "missing"},
        // Colons become '_' in every field cleaned before the outcome was decided.
        {u"A:B;0;white;75;plain;0", "A_B;0;white;75;plain;2;0 name: colon"},
        {u"AB;0;wh:ite;75:x;pl:ain;1:", "AB;0;wh_ite;75;pl_ain;1;0 colon"},
        {u"AB;0;<<:;90*;plain;3", "AB;0;*;90;plain;2;0"},
        {u"<<:;0;white;75;plain;0", "skipped name: colon"},
        {u"AB;x;wh:ite;75;plain;0", "invalid"},
        {u"AB;0;" + cs + u":;75;plain;0", "AB;0;" + std::string(20, 'c') + ";75;plain;2;0 colon"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(Clean(value), expected) << Utf16ToUtf8(value);
    }
}

}  // namespace
}  // namespace sheetwise
