#include "files/ImportTransfer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/ImportCatalogTarget.h"
#include "files/ImportTestSupport.h"
#include "files/ImportedCatalog.h"
#include "platform/ProfileReader.h"

namespace sheetwise {
namespace {

using testing::ExampleImportFile;
using testing::ImportFileWithPapers;
using testing::IniFile;
using testing::ReadBytes;
using Texts = std::vector<std::u16string>;

ImportedCatalog FromText(const std::u16string& text) {
    return ImportedCatalog(u"memory.ini", ProfileReader::FromText(text));
}

Texts Names(const PaperCatalog& catalog) {
    Texts names;
    for (const PaperDefinition& paper : catalog.papers())
        names.push_back(paper.name);
    return names;
}

class ImportTransferTest : public testing::ImportTest {
  protected:
    PaperCatalog catalog = LoadBaseCatalog();
};

TEST_F(ImportTransferTest, TargetTakesTheCatalogAsTheWindowShowsIt) {
    CatalogImportTarget target(catalog, u".");
    // The paper "Odd" uses values the attribute file lacks; showing it appends them.
    EXPECT_EQ(catalog.GetAttributeList(kWeights), (Texts{u"*", u"75", u"160", u"90"}));
    EXPECT_EQ(catalog.GetAttributeList(kTypes), (Texts{u"*", u"plain", u"cover", u"glossy"}));
    EXPECT_EQ(catalog.GetAttributeList(kColours),
              (Texts{u"*", u"white", u"blue", u"ivory", u"pink"}));
    EXPECT_EQ(target.WorkingList(kColours), catalog.GetAttributeList(kColours));
    EXPECT_EQ(target.WorkingList(kWeights), catalog.GetAttributeList(kWeights));

    // A value already shown is selected, not appended again; an empty one is ignored.
    target.SelectOrAddListValue(kTypes, u"cover");
    target.SelectOrAddListValue(kTypes, u"");
    target.SelectOrAddListValue(kTypes, u"Cover");
    EXPECT_EQ(catalog.GetAttributeList(kTypes),
              (Texts{u"*", u"plain", u"cover", u"glossy", u"Cover"}));
    EXPECT_EQ(target.WorkingList(kTypes), catalog.GetAttributeList(kTypes));
    EXPECT_EQ(target.addFailures(), 0);
}

TEST_F(ImportTransferTest, PrepareEmptiesPapersAndTheShownValues) {
    CatalogImportTarget target(catalog, u".");
    catalog.AddAttributeValue(kColours, u"unseen");  // in the catalog, not in the window's lists
    PrepareImportTarget(target);
    EXPECT_EQ(catalog.PaperCount(), 0);
    EXPECT_TRUE(catalog.GetAttributeList(kWeights).empty());
    EXPECT_TRUE(catalog.GetAttributeList(kTypes).empty());
    EXPECT_EQ(catalog.GetAttributeList(kColours), Texts{u"unseen"});
    EXPECT_TRUE(target.WorkingList(kWeights).empty());
    EXPECT_TRUE(target.WorkingList(kTypes).empty());
    EXPECT_TRUE(target.WorkingList(kColours).empty());
    EXPECT_EQ(catalog.sizes().size(), 7u);
    // The list boxes are empty again: a value shown before is appended anew.
    target.SelectOrAddListValue(kWeights, u"75");
    EXPECT_EQ(catalog.GetAttributeList(kWeights), Texts{u"75"});
}

TEST_F(ImportTransferTest, ImportsTheExample) {
    CatalogImportTarget target(catalog, u".");
    ImportedCatalog imported(WriteImport(ExampleImportFile()));
    const ImportTransferResult result = TransferImportedCatalog(imported, target);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.papersAdded, 2);
    EXPECT_EQ(result.papersRejected, 0);
    EXPECT_EQ(result.attributeValues, 3);
    EXPECT_EQ(result.attributesRejected, 0);
    EXPECT_FALSE(imported.defaultPaperFailed());

    ASSERT_EQ(Names(catalog), (Texts{u"Office", u"DraftA4"}));
    const PaperDefinition& office = catalog.papers()[0];
    EXPECT_EQ(office.sizeIndex, 0);
    EXPECT_EQ(office.width, 8.5f);
    EXPECT_EQ(office.weight, 75);
    EXPECT_EQ(office.colourCode, 1);
    EXPECT_EQ(office.imagedSides, kTwoSided);
    const PaperDefinition& draft = catalog.papers()[1];
    EXPECT_EQ(draft.sizeIndex, 2);  // the first A4, not the second one of the same text
    EXPECT_EQ(draft.width, 210.0f);
    EXPECT_EQ(draft.colour, u"*");
    EXPECT_EQ(draft.weight, 0);
    EXPECT_EQ(draft.imagedSides, kOneSided);
    EXPECT_EQ(draft.precollated, 0);
    EXPECT_EQ(catalog.GetDefaultPaper(), u"Office");

    // Showing the papers adds the wildcards DraftA4 uses to the lists.
    EXPECT_EQ(catalog.GetAttributeList(kWeights), (Texts{u"75", u"*"}));
    EXPECT_EQ(catalog.GetAttributeList(kTypes), Texts{u"plain"});
    EXPECT_EQ(catalog.GetAttributeList(kColours), (Texts{u"white", u"*"}));

    ASSERT_TRUE(catalog.Save(dir.Wide("imported.cat")));
    ASSERT_TRUE(catalog.WriteAttributeFile(dir.Wide("imported.cat")));
    EXPECT_EQ(ReadBytes(dir.File("imported.cat")),
              "Base:Office\nOffice:1:75:white:plain:2:0\nDraftA4:3:0:*:plain:1:0\n");
    EXPECT_EQ(ReadBytes(dir.File("imported.cat.atr")),
              "[PaperWeights]\n75\n*\n[PaperTypes]\nplain\n[PaperColors]\nwhite\n*\n\n");
}

TEST_F(ImportTransferTest, SizeListTexts) {
    EXPECT_EQ(SizeListText(u"8.5", u"11", 0, u"."), u"8.5 x 11\"");
    EXPECT_EQ(SizeListText(u"210", u"297", 1, u"."), u"210 x 297 mm");
    EXPECT_EQ(SizeListText(u"12", u"18", 2, u"."), u"12 x 18");
    EXPECT_EQ(SizeListText(u"8.5.1", u"11.25", 0, u","), u"8,5.1 x 11,25\"");
    EXPECT_EQ(SizeListItemsOf(catalog, u"."), (std::vector<SizeListItem>{{u"8.5 x 11\"", 0},
                                                                         {u"8.5 x 14\"", 1},
                                                                         {u"210 x 297 mm", 2},
                                                                         {u"297 x 420 mm", 4},
                                                                         {u"12 x 18", 5}}));
    EXPECT_EQ(SizeListItemsOf(catalog, u",").front().text, u"8,5 x 11\"");
}

TEST_F(ImportTransferTest, MapsSizesByTheirListText) {
    const std::string file = IniFile({"[PaperSizes]",
                                      "PaperSize0=Letter 8.5 x 11 in",
                                      "PaperSize1=A4 210.0 x 297.0 mm",
                                      "PaperSize2=A3 297x420 MM",
                                      "PaperSize3=12 x 18 in",
                                      "PaperSize4=Odd 100 x 100 mm",
                                      "[PaperColors]",
                                      "PaperColor0=white",
                                      "[PaperWeights]",
                                      "PaperWeight0=75",
                                      "[PaperTypes]",
                                      "PaperType0=plain",
                                      "[PaperForced]",
                                      "PaperForce0=*",
                                      "[PaperDefs]",
                                      "PaperDef0=P0;0;white;75;plain;0",
                                      "PaperDef1=P1;1;white;75;plain;0",
                                      "PaperDef2=P2;2;white;75;plain;0",
                                      "PaperDef3=P3;3;white;75;plain;0",
                                      "PaperDef4=P4;4;white;75;plain;0",
                                      "PaperDef5=P5;5;white;75;plain;0",
                                      "PaperDef6=P6;4294967296;white;75;plain;0"});
    auto indexes = [](const ImportedCatalog& imported) {
        std::vector<int32_t> mapped;
        for (const PaperDefinition& paper : imported.papers())
            mapped.push_back(paper.sizeIndex);
        return mapped;
    };
    {
        CatalogImportTarget target(catalog, u".");
        ImportedCatalog imported(WriteImport(file));
        MapImportedSizes(imported, target);
        // "297x420 mm" is not the list's "297 x 420 mm"; "12 x 18" with its inch mark is not the
        // list's unit-less "12 x 18"; sizes 5 and 2^32 have no imported size at all.
        EXPECT_EQ(indexes(imported), (std::vector<int32_t>{0, 2, 0, 0, 0, 0, 0}));
    }
    {
        CatalogImportTarget comma(catalog, u",");
        ImportedCatalog imported(WriteImport(file));
        MapImportedSizes(imported, comma);
        EXPECT_EQ(indexes(imported), (std::vector<int32_t>{0, 2, 0, 0, 0, 0, 0}));
        EXPECT_EQ(imported.sizes()[0], u"8.5 x 11\"");
    }
    {
        CatalogImportTarget target(catalog, u".");
        ImportedCatalog imported(WriteImport(IniFile(
            {"[PaperSizes]", "PaperSize0=A3 297 x 420 mm", "PaperSize1=Legal 8.5 x 14 in",
             "[PaperColors]", "PaperColor0=white", "[PaperWeights]", "PaperWeight0=75",
             "[PaperTypes]", "PaperType0=plain", "[PaperForced]", "PaperForce0=*", "[PaperDefs]",
             "PaperDef0=A3;0;white;75;plain;0", "PaperDef1=Legal;1;white;75;plain;0"})));
        MapImportedSizes(imported, target);
        EXPECT_EQ(indexes(imported), (std::vector<int32_t>{4, 1}));
    }
}

TEST_F(ImportTransferTest, AddsPapersSkippingDuplicatesAndCountingRefusals) {
    CatalogImportTarget target(catalog, u".");
    ImportedCatalog imported =
        FromText(Utf8ToUtf16(ImportFileWithPapers({
                     "Letter;0;white;75;plain;0",     // already in the catalog: skipped
                     "Fresh;1;white;75;plain;1",      // added
                     "Caf#;0;white;75;plain;0",       // refused by the catalog
                     "Fresh;0;blue;90;plain;0",       // now in the catalog: skipped
                     "Tint;0;r\xC3\xB6t;75;plain;0",  // added
                 })) +
                 u"PaperDef5=\u3000;0;white;75;plain;0\r\n");  // its name is white space only
    int32_t rejected = -1;
    EXPECT_EQ(AddImportedPapers(imported, target, rejected), 2);
    EXPECT_EQ(rejected, 2);
    EXPECT_EQ(Names(catalog), (Texts{u"Letter", u"A4_Cover", u"Odd", u"Fresh", u"Tint"}));
    EXPECT_EQ(catalog.papers()[3].imagedSides, kOneSided);
    EXPECT_EQ(catalog.papers()[4].colour, u"r\u00f6t");
}

TEST_F(ImportTransferTest, AddsAttributeValuesThroughTheLists) {
    CatalogImportTarget target(catalog, u".");
    PrepareImportTarget(target);
    ImportedCatalog imported = FromText(
        u"[PaperSizes]\nPaperSize0=A4\n[PaperColors]\nPaperColor0=white\nPaperColor1=wei:ss\n"
        u"PaperColor2=bl ue\nPaperColor3=white\n"
        u"[PaperWeights]\nPaperWeight0=75\nPaperWeight1=heavy\nPaperWeight2=*\n"
        u"PaperWeight3=*x\nPaperWeight4=250\nPaperWeight5=59\nPaperWeight6=75 gsm\n"
        u"PaperWeight7=gsm\nPaperWeight8=80.5\nPaperWeight9=-70\nPaperWeight10=200\n"
        u"[PaperTypes]\nPaperType0=plain\nPaperType1=plain paper\nPaperType2=Cover\n"
        u"[PaperForced]\nPaperForce0=*\n[PaperDefs]\nPaperDef0=A;0;white;75;plain;0\n");
    int32_t rejected = -1;
    EXPECT_EQ(AddImportedAttributes(imported, target, rejected), 11 + 3 + 4);
    EXPECT_EQ(rejected, 6);
    EXPECT_EQ(catalog.GetAttributeList(kWeights), (Texts{u"75", u"*", u"80.5", u"200"}));
    EXPECT_EQ(catalog.GetAttributeList(kTypes), (Texts{u"plain", u"Cover"}));
    EXPECT_EQ(catalog.GetAttributeList(kColours), (Texts{u"white", u"wei_ss"}));
    EXPECT_EQ(target.WorkingList(kWeights), catalog.GetAttributeList(kWeights));
}

TEST_F(ImportTransferTest, RefusedDefaultPaperFailsOnlyTheTakeover) {
    CatalogImportTarget target(catalog, u".");
    ImportedCatalog imported(WriteImport(ImportFileWithPapers(
        {"Caf#;0;white;75;plain;0", "Good;1;white;75;plain;0", "Also;0;white;75;plain;2"})));
    const ImportTransferResult result = TransferImportedCatalog(imported, target);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.papersAdded, 2);
    EXPECT_EQ(result.papersRejected, 1);
    EXPECT_TRUE(imported.defaultPaperFailed());
    EXPECT_EQ(Names(catalog), (Texts{u"Good", u"Also"}));
}

TEST_F(ImportTransferTest, FailedImportsLeaveOrEmptyTheTarget) {
    {
        CatalogImportTarget target(catalog, u".");
        ImportedCatalog imported(dir.Wide("missing.ini"));
        EXPECT_TRUE(TransferImportedCatalog(imported, target).failed);
        EXPECT_EQ(catalog.PaperCount(), 3);
    }
    {
        CatalogImportTarget target(catalog, u".");
        ImportedCatalog imported(WriteImport(ImportFileWithPapers({"Caf#;0;white;75;plain;0"})));
        const ImportTransferResult result = TransferImportedCatalog(imported, target);
        EXPECT_TRUE(result.failed);
        EXPECT_EQ(result.papersAdded, 0);
        EXPECT_EQ(result.papersRejected, 1);
        // No takeover happens, so the flag stays clear.
        EXPECT_FALSE(imported.defaultPaperFailed());
    }
}

// A large import keeps every paper, renames the repeats and offers each value once.
TEST_F(ImportTransferTest, LargeImportKeepsEveryPaper) {
    std::string file = IniFile(
        {"[PaperSizes]", "PaperSize0=Letter 8.5 x 11 in", "PaperSize1=A4 210.0 x 297.0 mm",
         "[PaperColors]", "PaperColor0=white", "[PaperWeights]", "PaperWeight0=75 gsm",
         "[PaperTypes]", "PaperType0=plain", "[PaperForced]", "PaperForce0=*", "[PaperDefs]"});
    constexpr int kCount = 2000;
    for (int n = 0; n < kCount; ++n) {
        // Underscores make every name go through the uniqueness walk; every tenth is a repeat.
        const int id = n % 10 == 9 ? n - 1 : n;
        file += "PaperDef" + std::to_string(n) + " = Paper_" + std::to_string(id) + ";" +
                std::to_string(n % 2) + ";col" + std::to_string(n % 50) + ";" +
                std::to_string(60 + n % 141) + ";plain;" + std::to_string(n % 3) + "\r\n";
    }
    ImportedCatalog imported(WriteImport(file));
    CatalogImportTarget target(catalog, u".");
    PrepareImportTarget(target);
    MapImportedSizes(imported, target);
    int32_t rejected = -1;
    EXPECT_EQ(AddImportedPapers(imported, target, rejected), kCount);
    EXPECT_EQ(AddImportedAttributes(imported, target, rejected), 3);
    EXPECT_TRUE(TakeOverDefaultPaper(imported, target));
    target.ShowPapers();
    EXPECT_EQ(catalog.GetName(9), u"Paper_81");
    EXPECT_EQ(catalog.GetSizeIndex(1), 2);
    EXPECT_EQ(catalog.GetAttributeList(kColours).size(), 51u);
    EXPECT_EQ(catalog.GetAttributeList(kWeights).size(), 141u);
}

}  // namespace
}  // namespace sheetwise
