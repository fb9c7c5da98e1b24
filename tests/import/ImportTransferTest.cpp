#include "import/ImportTransfer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/ImportCatalogTarget.h"
#include "import/ImportTestSupport.h"
#include "import/ImportedCatalog.h"

namespace sheetwise {
namespace {

using testing::Describe;
using testing::ImportFileWithPapers;
using testing::IniSection;
using testing::ReadBytes;
using Texts = std::vector<std::u16string>;

// A transfer's outcome as "papers added/rejected, values read/rejected", or "failed".
std::string Counts(const ImportTransferResult& result) {
    return result.failed
               ? "failed"
               : std::to_string(result.papersAdded) + "/" + std::to_string(result.papersRejected) +
                     " " + std::to_string(result.attributeValues) + "/" +
                     std::to_string(result.attributesRejected);
}

class ImportTransferTest : public testing::ImportTest {
  protected:
    PaperCatalog catalog = LoadBaseCatalog();
    CatalogImportTarget target{catalog, u"."};
};

TEST_F(ImportTransferTest, TargetTakesTheCatalogAsTheWindowShowsItAndPrepareEmptiesIt) {
    // The paper "Odd" uses values the attribute file lacks; showing it appends them.
    EXPECT_EQ(catalog.GetAttributeList(kWeights), (Texts{u"*", u"75", u"160", u"90"}));
    EXPECT_EQ(catalog.GetAttributeList(kColours),
              (Texts{u"*", u"white", u"blue", u"ivory", u"pink"}));
    // A value already shown is selected, not appended again; an empty one is ignored.
    target.SelectOrAddListValue(kTypes, u"cover");
    target.SelectOrAddListValue(kTypes, u"");
    target.SelectOrAddListValue(kTypes, u"Cover");
    EXPECT_EQ(catalog.GetAttributeList(kTypes),
              (Texts{u"*", u"plain", u"cover", u"glossy", u"Cover"}));

    // Preparing removes what the lists show, not a value only the catalog holds.
    catalog.AddAttributeValue(kColours, u"unseen");
    PrepareImportTarget(target);
    EXPECT_EQ(catalog.GetAttributeList(kColours), Texts{u"unseen"});
}

// DraftA4 gets the first A4 (size 3 in the file), not the later size of the same text, and
// showing the papers adds the wildcards it uses to the lists.
TEST_F(ImportTransferTest, ImportsTheExample) {
    ImportedCatalog imported(WriteImport(testing::ExampleImportFile()));
    EXPECT_EQ(Counts(TransferImportedCatalog(imported, target)), "2/0 3/0");
    EXPECT_FALSE(imported.defaultPaperFailed());
    ASSERT_TRUE(catalog.Save(dir.Wide("imported.cat")));
    ASSERT_TRUE(catalog.WriteAttributeFile(dir.Wide("imported.cat")));
    EXPECT_EQ(ReadBytes(dir.File("imported.cat")),
              "Base:Office\nOffice:1:75:white:plain:2:0\nDraftA4:3:0:*:plain:1:0\n");
    EXPECT_EQ(ReadBytes(dir.File("imported.cat.atr")),
              "[PaperWeights]\n75\n*\n[PaperTypes]\nplain\n[PaperColors]\nwhite\n*\n\n");
}

// A size text must equal a list text exactly; anything else, and a size number without an
// imported size, gives the first size.
TEST_F(ImportTransferTest, MapsSizesByTheirListTextAndUnmatchedOnesToTheFirst) {
    std::string file =
        testing::ImportFileWithPapers({}, {"Legal 8.5 x 14 in", "A4 210.0 x 297.0 mm",
                                           "A3 297x420 MM", "A3 297 x 420 mm", "12 x 18 in"});
    const char* const sizes[] = {"0", "1", "2", "3", "4", "5", "4294967296"};
    for (int n = 0; n < 7; ++n)
        file += "PaperDef" + std::to_string(n) + "=P;" + sizes[n] + ";white;75;plain;0\r\n";
    for (const auto& [separator, expected] :
         {std::pair{u".", std::vector<int32_t>{1, 2, 0, 4, 0, 0, 0}},
          std::pair{u",", std::vector<int32_t>{0, 2, 0, 4, 0, 0, 0}}}) {
        CatalogImportTarget local(catalog, separator);
        ImportedCatalog imported(WriteImport(file));
        MapImportedSizes(imported, local);
        std::vector<int32_t> mapped;
        for (const PaperDefinition& paper : imported.papers())
            mapped.push_back(paper.sizeIndex);
        EXPECT_EQ(mapped, expected) << Utf16ToUtf8(separator);
    }
    // Only a number's first "." becomes the separator; a text equal but for case is listed once.
    EXPECT_EQ(SizeListText(u"8.5.1", u"11.25", 0, u","), u"8,5.1 x 11,25\"");
    EXPECT_EQ(SizeListText(u"210", u"297", 1, u"."), u"210 x 297 mm");
    EXPECT_EQ(SizeListItemsOf(catalog, u"."), (std::vector<SizeListItem>{{u"8.5 x 11\"", 0},
                                                                         {u"8.5 x 14\"", 1},
                                                                         {u"210 x 297 mm", 2},
                                                                         {u"297 x 420 mm", 4},
                                                                         {u"12 x 18", 5}}));
}

TEST_F(ImportTransferTest, AddsPapersSkippingDuplicatesAndCountingRefusals) {
    ImportedCatalog imported(WriteImport(
        "\xEF\xBB\xBF" + ImportFileWithPapers({
                             "Letter;0;white;75;plain;0",        // already in the catalog: skipped
                             "Fresh;1;white;75;plain;1",         // added
                             "Caf#;0;white;75;plain;0",          // refused by the catalog
                             "Fresh;0;blue;90;plain;0",          // now in the catalog: skipped
                             "Tint;0;r\xC3\xB6t;75;plain;0",     // added
                             "\xE3\x80\x80;0;white;75;plain;0",  // its name is white space only
                         })));
    int32_t rejected = -1;
    EXPECT_EQ(AddImportedPapers(imported, target, rejected), 2);
    EXPECT_EQ(rejected, 2);
    EXPECT_EQ(Describe(catalog.papers()),
              "Letter;0;white;75;plain;2;0 A4_Cover;2;blue;160;cover;1;1 Odd;0;pink;90;glossy;2;0 "
              "Fresh;1;white;75;plain;1;0 Tint;0;r\xC3\xB6t;75;plain;2;0 ");
}

TEST_F(ImportTransferTest, AddsAttributeValuesThroughTheLists) {
    PrepareImportTarget(target);
    ImportedCatalog imported(WriteImport(
        IniSection("PaperSizes", "PaperSize", {"A4"}) +
        IniSection("PaperColors", "PaperColor", {"white", "wei:ss", "bl ue", "white"}) +
        IniSection("PaperWeights", "PaperWeight",
                   {"75", "heavy", "*", "*x", "250", "59", "75 gsm", "gsm", "80.5", "-70", "200"}) +
        IniSection("PaperTypes", "PaperType", {"plain", "plain paper", "Cover"}) +
        IniSection("PaperForced", "PaperForce", {"*"}) +
        IniSection("PaperDefs", "PaperDef", {"A;0;white;75;plain;0"})));
    int32_t rejected = -1;
    EXPECT_EQ(AddImportedAttributes(imported, target, rejected), 11 + 3 + 4);
    EXPECT_EQ(rejected, 6);
    EXPECT_EQ(catalog.GetAttributeList(kWeights), (Texts{u"75", u"*", u"80.5", u"200"}));
    EXPECT_EQ(catalog.GetAttributeList(kTypes), (Texts{u"plain", u"Cover"}));
    EXPECT_EQ(catalog.GetAttributeList(kColours), (Texts{u"white", u"wei_ss"}));
    EXPECT_EQ(target.WorkingList(kWeights), catalog.GetAttributeList(kWeights));
}

// A failed imported catalog leaves the target alone; a refused default paper fails only the
// takeover; without a paper added there is no takeover, so its flag stays clear.
TEST_F(ImportTransferTest, FailuresOfTheImportTheTakeoverOrTheWholeTransfer) {
    ImportedCatalog missing(dir.Wide("missing.ini"));
    EXPECT_EQ(Counts(TransferImportedCatalog(missing, target)), "failed");
    EXPECT_EQ(catalog.PaperCount(), 3);

    ImportedCatalog refusedDefault(WriteImport(ImportFileWithPapers(
        {"Caf#;0;white;75;plain;0", "Good;1;white;75;plain;0", "Also;0;white;75;plain;2"})));
    EXPECT_EQ(Counts(TransferImportedCatalog(refusedDefault, target)), "2/1 3/0");
    EXPECT_TRUE(refusedDefault.defaultPaperFailed());
    EXPECT_EQ(Describe(catalog.papers()), "Good;2;white;75;plain;2;0 Also;0;white;75;plain;0;0 ");

    ImportedCatalog noneAdded(WriteImport(ImportFileWithPapers({"Caf#;0;white;75;plain;0"})));
    EXPECT_EQ(Counts(TransferImportedCatalog(noneAdded, target)), "failed");
    EXPECT_FALSE(noneAdded.defaultPaperFailed());
}

}  // namespace
}  // namespace sheetwise
