#include "files/ImportedCatalog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/ImportTestSupport.h"
#include "platform/CodePage.h"
#include "platform/ProfileReader.h"

namespace sheetwise {
namespace {

using testing::ExampleImportFile;
using testing::ImportFileWithPapers;
using testing::IniFile;
using testing::WideFile;
using Texts = std::vector<std::u16string>;

class ImportedCatalogTest : public testing::ImportTest {
  protected:
    ImportedCatalog Import(const std::string& bytes) { return ImportedCatalog(WriteImport(bytes)); }

    static Texts Names(const ImportedCatalog& imported) {
        Texts names;
        for (const PaperDefinition& paper : imported.papers())
            names.push_back(paper.name);
        return names;
    }
};

TEST_F(ImportedCatalogTest, ReadsTheExample) {
    const ImportedCatalog imported = Import(ExampleImportFile());
    EXPECT_EQ(imported.sizes(), (Texts{u"8.5 x 11\"", u"210 x 297 mm"}));
    EXPECT_EQ(imported.colours(), Texts{u"white"});
    EXPECT_EQ(imported.weights(), Texts{u"75"});
    EXPECT_EQ(imported.types(), Texts{u"plain"});
    EXPECT_EQ(imported.forced(), Texts{u"*"});
    ASSERT_EQ(imported.papers().size(), 2u);

    const PaperDefinition& office = imported.papers()[0];
    EXPECT_EQ(office.name, u"Office");
    EXPECT_EQ(office.sizeIndex, 0);
    EXPECT_EQ(office.colour, u"white");
    EXPECT_EQ(office.weight, 75);
    EXPECT_EQ(office.type, u"plain");
    EXPECT_EQ(office.imagedSides, kTwoSided);
    EXPECT_EQ(office.precollated, 0);

    const PaperDefinition& draft = imported.papers()[1];
    EXPECT_EQ(draft.name, u"DraftA4");
    EXPECT_EQ(draft.sizeIndex, 1);
    EXPECT_EQ(draft.colour, u"*");
    EXPECT_EQ(draft.weight, 0);
    EXPECT_EQ(draft.type, u"plain");
    EXPECT_EQ(draft.imagedSides, kOneSided);

    EXPECT_EQ(imported.defaultPaperName(), u"Office");
    EXPECT_EQ(imported.defaultPaperIndex(), 0);
    EXPECT_FALSE(imported.failed());
    EXPECT_FALSE(imported.colonsReplaced());
    EXPECT_FALSE(imported.invalidValue());
    EXPECT_FALSE(imported.missingField());
    EXPECT_FALSE(imported.defaultPaperFailed());
    EXPECT_EQ(imported.invalidPaperCount(), 0);
}

TEST_F(ImportedCatalogTest, ReadsUtf16FilesWithCommentsQuotesAndOddSpacing) {
    const std::u16string text =
        u"; written by hand\n\n"
        u"[papersizes]\n  PAPERSIZE0 =  \"A4 210 x 297 mm\"  \n"
        u"[PaperColors]\nPaperColor0 = 'wei\u00df'\n"
        u"[PaperWeights]\nPaperWeight0=80 gsm ; light\n"
        u"[PaperTypes]\nPaperType0=\u666e\u901a\n"
        u"[PaperForced]\nPaperForce0=*\n"
        u"[PaperDefs]\nPaperDef0 = \u0411\u0443\u043c\u0430\u0433\u0430 A4;0;wei\u00df;80;"
        u"\u666e\u901a;1\n";
    const ImportedCatalog imported = Import(WideFile(text));
    EXPECT_EQ(imported.sizes(), Texts{u"210 x 297 mm"});
    EXPECT_EQ(imported.colours(), Texts{u"wei\u00df"});
    EXPECT_EQ(imported.weights(), Texts{u"80"});
    EXPECT_EQ(imported.types(), Texts{u"\u666e\u901a"});
    ASSERT_EQ(imported.papers().size(), 1u);
    EXPECT_EQ(imported.papers()[0].name, u"\u0411\u0443\u043c\u0430\u0433\u0430A4");
    EXPECT_FALSE(imported.failed());
}

TEST_F(ImportedCatalogTest, SectionsEndAtTheFirstGapAndStartAtZero) {
    const ImportedCatalog imported = Import(IniFile(
        {"[PaperSizes]", "PaperSize0=A4 210 x 297 mm", "PaperSize1=A3 297 x 420 mm",
         "PaperSize3=A5 148 x 210 mm", "[PaperColors]", "PaperColor0=white",
         "PaperColor1=", "PaperColor2=blue", "[PaperWeights]", "PaperWeight0=<<",
         "PaperWeight1=<<x", "[PaperTypes]", "PaperType0=plain", "[PaperForced]", "PaperForce0=<<",
         "[PaperDefs]", "PaperDef0=A;0;white;75;plain;0", "PaperDef2=B;0;white;75;plain;0"}));
    EXPECT_EQ(imported.sizes(), (Texts{u"210 x 297 mm", u"297 x 420 mm"}));
    EXPECT_EQ(imported.colours(), Texts{u"white"});
    EXPECT_EQ(imported.weights(), (Texts{u"*", u"*"}));
    EXPECT_EQ(imported.forced(), Texts{u"*"});
    EXPECT_EQ(Names(imported), Texts{u"A"});
    EXPECT_FALSE(imported.failed());

    const ImportedCatalog late = Import(IniFile(
        {"[PaperSizes]", "PaperSize1=A4 210 x 297 mm", "[PaperColors]", "PaperColor0=white"}));
    EXPECT_TRUE(late.failed());
    EXPECT_TRUE(late.sizes().empty());
    EXPECT_TRUE(late.colours().empty());
}

TEST_F(ImportedCatalogTest, DefaultsForEachSection) {
    const ImportedCatalog imported = Import(IniFile(
        {"[PaperSizes]", "PaperSize0=<<", "PaperSize1=<<A4 210 x 297 mm", "[PaperColors]",
         "PaperColor0=<<", "[PaperWeights]", "PaperWeight0=<<", "[PaperTypes]", "PaperType0=<<",
         "[PaperForced]", "PaperForce0=<<", "[PaperDefs]", "PaperDef0=A;0;white;75;plain;0"}));
    EXPECT_EQ(imported.sizes(), (Texts{u"8.5 x 11\"", u"8.5 x 11\""}));
    EXPECT_EQ(imported.colours(), Texts{u"*"});
    EXPECT_EQ(imported.weights(), Texts{u"*"});
    EXPECT_EQ(imported.types(), Texts{u"*"});
    EXPECT_EQ(imported.forced(), Texts{u"*"});
}

TEST_F(ImportedCatalogTest, AnEmptySectionFailsAndStopsTheLaterOnes) {
    const ImportedCatalog noForced = Import(
        IniFile({"[PaperSizes]", "PaperSize0=A4 210 x 297 mm", "[PaperColors]", "PaperColor0=white",
                 "[PaperWeights]", "PaperWeight0=75 gsm", "[PaperTypes]", "PaperType0=plain",
                 "[PaperForced]", "[PaperDefs]", "PaperDef0=A;0;white;75;plain;0"}));
    EXPECT_TRUE(noForced.failed());
    // The papers are read whatever the sections gave, and weights and sizes are still cleaned.
    EXPECT_EQ(Names(noForced), Texts{u"A"});
    EXPECT_EQ(noForced.weights(), Texts{u"75"});
    EXPECT_EQ(noForced.sizes(), Texts{u"210 x 297 mm"});

    const ImportedCatalog noColours =
        Import(IniFile({"[PaperSizes]", "PaperSize0=A4", "[PaperWeights]", "PaperWeight0=75 gsm",
                        "[PaperTypes]", "PaperType0=plain", "[PaperForced]", "PaperForce0=*",
                        "[PaperDefs]", "PaperDef0=A;0;white;75;plain;0"}));
    EXPECT_TRUE(noColours.failed());
    EXPECT_TRUE(noColours.weights().empty());
    EXPECT_TRUE(noColours.types().empty());
    EXPECT_TRUE(noColours.forced().empty());

    EXPECT_TRUE(Import(ImportFileWithPapers({})).failed());
    EXPECT_TRUE(Import(ImportFileWithPapers({"*;0;white;75;plain;0", "B;0;;75;plain;0"})).failed());
}

TEST_F(ImportedCatalogTest, CountsAndFlagsRejectedPapers) {
    const ImportedCatalog imported = Import(ImportFileWithPapers({
        "Missing;0;white;75;plain",   // 0: five fields
        "Star;x;white;75;plain;0",    // 1: size number not all digits
        "*;0;white;75;plain;0",       // 2: skipped, not counted
        "Light;0;white;59;plain;0",   // 3: weight out of range
        "Low;0;white;60;plain;3",     // 4: first valid paper
        "High;1;white;200;plain;2",   // 5
        "Heavy;0;white;201;plain;0",  // 6: weight out of range
        "<<;0;white;75;plain;0",      // 7: skipped
        "Seven;0;white;*;plain;1;x",  // 8: the seventh field is ignored
    }));
    EXPECT_EQ(Names(imported), (Texts{u"Low", u"High", u"Seven"}));
    EXPECT_TRUE(imported.missingField());
    EXPECT_TRUE(imported.invalidValue());
    EXPECT_EQ(imported.invalidPaperCount(), 4);
    EXPECT_EQ(imported.defaultPaperName(), u"Low");
    EXPECT_EQ(imported.defaultPaperIndex(), 4);
    EXPECT_EQ(imported.papers()[0].imagedSides, kTwoSided);
    EXPECT_EQ(imported.papers()[1].imagedSides, kInserter);
    EXPECT_EQ(imported.papers()[2].weight, 0);
    EXPECT_FALSE(imported.failed());
    EXPECT_FALSE(imported.colonsReplaced());

    const ImportedCatalog onlyMissing = Import(ImportFileWithPapers({"A;0;white;75;plain;0", ";"}));
    EXPECT_TRUE(onlyMissing.missingField());
    EXPECT_FALSE(onlyMissing.invalidValue());
    EXPECT_EQ(onlyMissing.invalidPaperCount(), 1);
}

TEST_F(ImportedCatalogTest, ColonsAreReplacedAndReported) {
    const std::string longColour = std::string(300, 'c') + ":";
    const ImportedCatalog attributes = Import(IniFile(
        {"[PaperSizes]", "PaperSize0=A4 210 x 297 mm", "[PaperColors]", "PaperColor0=" + longColour,
         "[PaperWeights]", "PaperWeight0=75", "[PaperTypes]", "PaperType0=pl:ain", "[PaperForced]",
         "PaperForce0=*", "[PaperDefs]", "PaperDef0=A;0;white;75;plain;0"}));
    EXPECT_TRUE(attributes.colonsReplaced());
    EXPECT_EQ(attributes.colours(), Texts{Utf8ToUtf16(std::string(300, 'c') + "_")});
    EXPECT_EQ(attributes.types(), Texts{u"pl_ain"});

    EXPECT_TRUE(Import(ImportFileWithPapers({"A;0;white;75;plain;0", "B;0;wh:ite;75;plain;0"}))
                    .colonsReplaced());
    EXPECT_FALSE(Import(ImportFileWithPapers({"A;0;white;75;plain;0"})).colonsReplaced());
    // Also the colons of a definition that is then rejected are reported.
    EXPECT_TRUE(Import(ImportFileWithPapers({"A;0;white;75;plain;0", "B:1;x;white;75;plain;0"}))
                    .colonsReplaced());
}

TEST_F(ImportedCatalogTest, NamesAreMadeUniqueOnlyAfterTwoPapers) {
    EXPECT_EQ(
        Names(Import(ImportFileWithPapers({"A:B;0;white;75;plain;0", "A_B;0;white;75;plain;0"}))),
        (Texts{u"A_B", u"A_B"}));
    EXPECT_EQ(Names(Import(ImportFileWithPapers(
                  {"X;0;white;75;plain;0", "A:B;0;white;75;plain;0", "A_B;0;white;75;plain;0"}))),
              (Texts{u"X", u"A_B", u"A_B1"}));
    // Without a colon or an underscore a duplicate stays; the catalog skips it later.
    EXPECT_EQ(Names(Import(ImportFileWithPapers(
                  {"X;0;white;75;plain;0", "AB;0;white;75;plain;0", "AB;0;white;75;plain;0"}))),
              (Texts{u"X", u"AB", u"AB"}));
    // A colon in any earlier definition, even a rejected one, counts for the later names.
    EXPECT_EQ(
        Names(Import(ImportFileWithPapers({"X;0;white;75;plain;0", "AB;0;white;75;plain;0",
                                           "Bad:1;0;white;59;plain;0", "AB;0;white;75;plain;0"}))),
        (Texts{u"X", u"AB", u"AB1"}));
    // A colon in a later field of the same definition comes after its name was made unique.
    EXPECT_EQ(Names(Import(ImportFileWithPapers(
                  {"X;0;white;75;plain;0", "AB;0;white;75;plain;0", "AB;0;wh:ite;75;plain;0"}))),
              (Texts{u"X", u"AB", u"AB"}));
    // Counting accepted papers: rejected and skipped ones do not count.
    EXPECT_EQ(
        Names(Import(ImportFileWithPapers({"X;x;white;75;plain;0", "*;0;white;75;plain;0",
                                           "A_B;0;white;75;plain;0", "A_B;0;white;75;plain;0"}))),
        (Texts{u"A_B", u"A_B"}));
}

TEST_F(ImportedCatalogTest, PathReachesTheReaderUnchanged) {
    const std::string folder = dir.File("\xE6\x97\xA5\xE6\x9C\xAC \xD0\x9F");
    std::filesystem::create_directory(folder);
    testing::WriteBytes(folder + "/Example.INI", ExampleImportFile());
    const std::u16string path = Utf8ToUtf16(folder) + u"\\example.ini";
    const ImportedCatalog imported(path);
    EXPECT_EQ(imported.path(), path);
    EXPECT_FALSE(imported.failed());
    EXPECT_EQ(imported.papers().size(), 2u);
}

TEST_F(ImportedCatalogTest, MissingFileFails) {
    const ImportedCatalog imported(dir.Wide("nothing.ini"));
    EXPECT_TRUE(imported.failed());
    EXPECT_TRUE(imported.sizes().empty());
    EXPECT_TRUE(imported.papers().empty());
    EXPECT_EQ(imported.defaultPaperIndex(), -1);
    EXPECT_EQ(imported.defaultPaperName(), u"");
    EXPECT_EQ(imported.path(), dir.Wide("nothing.ini"));

    const ImportedCatalog fromMemory(u"memory.ini", ProfileReader::FromBytes(ExampleImportFile()));
    EXPECT_EQ(fromMemory.papers().size(), 2u);
    EXPECT_EQ(fromMemory.path(), u"memory.ini");
}

}  // namespace
}  // namespace sheetwise
