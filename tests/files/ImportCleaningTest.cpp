#include "files/ImportCleaning.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "files/ImportPaperDefinition.h"

namespace sheetwise {
namespace {

TEST(ImportCleaningTest, ColonsAreReplacedInTheWholeValue) {
    std::u16string value = std::u16string(300, u'a') + u":" + std::u16string(200, u'b') + u":";
    EXPECT_TRUE(ReplaceColons(value));
    EXPECT_EQ(value, std::u16string(300, u'a') + u"_" + std::u16string(200, u'b') + u"_");
    std::u16string clean = u"no colon";
    EXPECT_FALSE(ReplaceColons(clean));
    EXPECT_EQ(clean, u"no colon");
}

TEST(ImportCleaningTest, DefaultMarkerAndWhiteSpace) {
    EXPECT_TRUE(StartsWithDefaultMarker(u"<<"));
    EXPECT_TRUE(StartsWithDefaultMarker(u"<<anything"));
    EXPECT_FALSE(StartsWithDefaultMarker(u"<"));
    EXPECT_FALSE(StartsWithDefaultMarker(u" <<"));
    EXPECT_EQ(RemoveWhiteSpace(u"Draft A4"), u"DraftA4");
    EXPECT_EQ(RemoveWhiteSpace(u" a\tb\u00a0c\u3000d\u2003e "), u"abcde");
    EXPECT_EQ(RemoveWhiteSpace(u"\u4e2d\u6587_x"), u"\u4e2d\u6587_x");
}

TEST(ImportCleaningTest, WeightsAreCutBeforeTheirUnit) {
    EXPECT_EQ(CleanWeightText(u"75 gsm"), u"75");
    EXPECT_EQ(CleanWeightText(u"75gsm"), u"75");
    EXPECT_EQ(CleanWeightText(u"90 sheets"), u"90");
    EXPECT_EQ(CleanWeightText(u"120m"), u"120");
    EXPECT_EQ(CleanWeightText(u"heavy"), u"heavy");
    EXPECT_EQ(CleanWeightText(u"*"), u"*");
    EXPECT_EQ(CleanWeightText(u"gsm"), u"");
    // The cut is case-sensitive: capital letters are no unit.
    EXPECT_EQ(CleanWeightText(u"75GSM"), u"75GSM");
}

TEST(ImportCleaningTest, SizeTextsBecomeDimensionTexts) {
    EXPECT_EQ(CleanSizeText(u"Letter 8.5 x 11 in"), u"8.5 x 11\"");
    EXPECT_EQ(CleanSizeText(u"A4 210.0 x 297.0 mm"), u"210 x 297 mm");
    EXPECT_EQ(CleanSizeText(u"Tabloid 11.0 x 17.0 in"), u"11 x 17\"");
    EXPECT_EQ(CleanSizeText(u"12 x 18 in"), u"12 x 18\"");
    EXPECT_EQ(CleanSizeText(u"SRA3 320 x 450 mm"), u"320 x 450 mm");
    // Without a digit (after the paper name), the size is Letter.
    EXPECT_EQ(CleanSizeText(u"Legal"), u"8.5 x 11\"");
    EXPECT_EQ(CleanSizeText(u"A4 Legal"), u"8.5 x 11\"");
    // A text without a space that does not start with a digit starts at its first digit.
    EXPECT_EQ(CleanSizeText(u"A4"), u"4\"");
    EXPECT_EQ(CleanSizeText(u"x210x297mm"), u"210x297 mm");
}

TEST(ImportCleaningTest, OnlyFractionsOfZerosAreDropped) {
    EXPECT_EQ(CleanSizeText(u"10.05 x 8 in"), u"10.05 x 8\"");
    EXPECT_EQ(CleanSizeText(u"210,0 x 297,0 mm"), u"210 x 297 mm");
    EXPECT_EQ(CleanSizeText(u"8.50 x 11.00 in"), u"8.50 x 11\"");
    EXPECT_EQ(CleanSizeText(u"Custom 100.000 x 200.5 mm"), u"100 x 200.5 mm");
    EXPECT_EQ(RemoveZeroFractions(u"1.0 x 2,00 x 3.05 x 4.50"), u"1 x 2 x 3.05 x 4.50");
    EXPECT_EQ(RemoveZeroFractions(u"1. x .0"), u"1. x .0");
    EXPECT_EQ(RemoveZeroFractions(u"0.0"), u"0");
}

TEST(ImportCleaningTest, MillimetresInAnySpelling) {
    EXPECT_EQ(CleanSizeText(u"A4 210 x 297mm"), u"210 x 297 mm");
    EXPECT_EQ(CleanSizeText(u"A4 210 x 297 MM"), u"210 x 297 mm");
    EXPECT_EQ(CleanSizeText(u"A4 210 x 297\tMm"), u"210 x 297 mm");
    EXPECT_EQ(CleanSizeText(u"A4 210 x 297 (in mm)"), u"210 x 297 mm");
    EXPECT_EQ(CleanSizeText(u"A4 210 x 297 m"), u"210 x 297\"");
    EXPECT_EQ(CleanSizeText(u"A4 210 x 297 cm"), u"210 x 297\"");
    EXPECT_EQ(CleanSizeText(u"A4 210 x 297"), u"210 x 297\"");
    EXPECT_TRUE(NamesMillimetres(u"mm"));
    EXPECT_FALSE(NamesMillimetres(u"in (MM)"));
}

TEST(ImportCleaningTest, PaperFieldValues) {
    int32_t number = -1;
    EXPECT_TRUE(ReadSizeNumberField(u"0", number));
    EXPECT_EQ(number, 0);
    EXPECT_TRUE(ReadSizeNumberField(u"0012", number));
    EXPECT_EQ(number, 12);
    EXPECT_TRUE(ReadSizeNumberField(u"99999999999", number));
    EXPECT_EQ(number, std::numeric_limits<int32_t>::max());
    for (const char16_t* bad : {u"", u"1a", u" 1", u"-1", u"+1", u"1.0", u"\uff11"}) {
        EXPECT_FALSE(ReadSizeNumberField(bad, number)) << "size number accepted";
    }

    EXPECT_EQ(ReadWeightField(u"*"), 0);
    EXPECT_EQ(ReadWeightField(u"*90"), 0);
    EXPECT_EQ(ReadWeightField(u"90*"), 90);
    EXPECT_EQ(ReadWeightField(u"heavy"), 0);
    EXPECT_EQ(ReadWeightField(u" 75gsm"), 75);
    EXPECT_EQ(ReadWeightField(u"-70"), -70);
    EXPECT_TRUE(IsAllowedImportWeight(0));
    EXPECT_TRUE(IsAllowedImportWeight(60));
    EXPECT_TRUE(IsAllowedImportWeight(200));
    EXPECT_FALSE(IsAllowedImportWeight(59));
    EXPECT_FALSE(IsAllowedImportWeight(201));
    EXPECT_FALSE(IsAllowedImportWeight(-70));

    EXPECT_EQ(ImagedSidesFromField(u"0"), 2);
    EXPECT_EQ(ImagedSidesFromField(u"1"), 1);
    EXPECT_EQ(ImagedSidesFromField(u"2"), 0);
    EXPECT_EQ(ImagedSidesFromField(u"3"), 2);
    EXPECT_EQ(ImagedSidesFromField(u"-1"), 2);
    EXPECT_EQ(ImagedSidesFromField(u"x"), 2);
    EXPECT_EQ(ImagedSidesFromField(u"1 sided"), 1);
}

TEST(ImportPaperDefinitionTest, CleansEveryField) {
    const CleanedPaperDefinition office = CleanPaperDefinition(u"Office;0;white;75;plain;0");
    ASSERT_EQ(office.result, PaperDefinitionResult::kAccepted);
    EXPECT_EQ(office.paper.name, u"Office");
    EXPECT_EQ(office.paper.sizeIndex, 0);
    EXPECT_EQ(office.paper.colour, u"white");
    EXPECT_EQ(office.paper.weight, 75);
    EXPECT_EQ(office.paper.type, u"plain");
    EXPECT_EQ(office.paper.imagedSides, 2);
    EXPECT_EQ(office.paper.precollated, 0);
    EXPECT_FALSE(office.colonReplaced);

    const CleanedPaperDefinition draft =
        CleanPaperDefinition(u"Draft\tA 4 with a long name of many words;12;<<;<<;<<x;2;extra");
    ASSERT_EQ(draft.result, PaperDefinitionResult::kAccepted);
    EXPECT_EQ(draft.paper.name, u"DraftA4withalongnameofmanywords");
    EXPECT_EQ(draft.paper.sizeIndex, 12);
    EXPECT_EQ(draft.paper.colour, u"*");
    EXPECT_EQ(draft.paper.weight, 0);
    EXPECT_EQ(draft.paper.type, u"*");
    EXPECT_EQ(draft.paper.imagedSides, 0);

    const CleanedPaperDefinition cut =
        CleanPaperDefinition(u"N" + std::u16string(40, u'n') + u";1;" + std::u16string(25, u'c') +
                             u";60;" + std::u16string(21, u't') + u";1");
    EXPECT_EQ(cut.paper.name.size(), 32u);
    EXPECT_EQ(cut.paper.colour, std::u16string(20, u'c'));
    EXPECT_EQ(cut.paper.type, std::u16string(20, u't'));
}

TEST(ImportPaperDefinitionTest, FieldsDecideInOrder) {
    using R = PaperDefinitionResult;
    EXPECT_EQ(CleanPaperDefinition(u"*;x;;;;").result, R::kSkipped);
    EXPECT_EQ(CleanPaperDefinition(u"<<;0;white;75;plain;0").result, R::kSkipped);
    EXPECT_EQ(CleanPaperDefinition(u"<<Name;0;white;75;plain;0").result, R::kSkipped);
    EXPECT_EQ(CleanPaperDefinition(u";0;white;75;plain;0").result, R::kMissingField);
    EXPECT_EQ(CleanPaperDefinition(u"A;1x;;75;plain;0").result, R::kInvalidValue);
    EXPECT_EQ(CleanPaperDefinition(u"A;1;;75x;plain;0").result, R::kMissingField);
    EXPECT_EQ(CleanPaperDefinition(u"A;1;white;59;plain;0").result, R::kInvalidValue);
    EXPECT_EQ(CleanPaperDefinition(u"A;1;white;201;;0").result, R::kInvalidValue);
    EXPECT_EQ(CleanPaperDefinition(u"A;1;white;200;plain;0").result, R::kAccepted);
    EXPECT_EQ(CleanPaperDefinition(u"A;1;white;60;plain;").result, R::kMissingField);
    EXPECT_EQ(CleanPaperDefinition(u"A;1;white;60;plain").result, R::kMissingField);
    EXPECT_EQ(CleanPaperDefinition(u"A;1;white;60;plain;0;;;").result, R::kAccepted);
    // " *" is not "*" until its blank is removed, and by then the skip has been decided.
    EXPECT_EQ(CleanPaperDefinition(u" *;1;white;60;plain;0").paper.name, u"*");
}

TEST(ImportPaperDefinitionTest, ReportsColonsOfTheFieldsCleaned) {
    const CleanedPaperDefinition name = CleanPaperDefinition(u"A:B;0;white;75;plain;0");
    EXPECT_EQ(name.paper.name, u"A_B");
    EXPECT_TRUE(name.nameColonReplaced);
    EXPECT_TRUE(name.colonReplaced);

    const CleanedPaperDefinition fields = CleanPaperDefinition(u"AB;0;wh:ite;75:x;pl:ain;1:");
    EXPECT_EQ(fields.paper.colour, u"wh_ite");
    EXPECT_EQ(fields.paper.weight, 75);
    EXPECT_EQ(fields.paper.type, u"pl_ain");
    EXPECT_EQ(fields.paper.imagedSides, 1);
    EXPECT_FALSE(fields.nameColonReplaced);
    EXPECT_TRUE(fields.colonReplaced);

    // A colour "<<" is the default before its colons are looked at; a name loses its colons first.
    EXPECT_FALSE(CleanPaperDefinition(u"AB;0;<<:;75;plain;0").colonReplaced);
    EXPECT_TRUE(CleanPaperDefinition(u"<<:;0;white;75;plain;0").colonReplaced);
    // Fields after the one that rejected the paper are not cleaned.
    EXPECT_FALSE(CleanPaperDefinition(u"AB;x;wh:ite;75;plain;0").colonReplaced);
    // However long the field, its colons are replaced.
    EXPECT_TRUE(
        CleanPaperDefinition(u"AB;0;" + std::u16string(300, u'c') + u":;75;plain;0").colonReplaced);
}

}  // namespace
}  // namespace sheetwise
