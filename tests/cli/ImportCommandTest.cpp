// import: an import file read and cleaned (--json), or moved into a base catalog and saved as
// File > Import followed by Save As saves it (--out). That the files written are the window's,
// byte for byte, is proved in tests/app/window (OpenImportTest).
#include "CliTestSupport.h"
#include "import/ImportTestSupport.h"

namespace sheetwise::testing {
namespace {

constexpr const char* kBaseCatalog = "Base:Letter\nLetter:1:75:white:plain:2:0\n";

class CliImportTest : public CliTest {
  protected:
    std::string Base() { return WriteCatalog("base", kBaseCatalog); }
    std::string Ini(std::initializer_list<std::string> papers) {
        return Write("papers.ini", ImportFileWithPapers(papers));
    }
};

// The papers' values are the import reader's (tests/import), their keys export's; a file that
// cannot be read is the failed import the editor would read from it.
TEST_F(CliImportTest, JsonShowsTheImportFileAsReadAndCleaned) {
    const struct {
        std::string ini;
        int exitCode;
        const char* start;
    } cases[] = {
        {Write("clean.ini", ImportFileWithPapers({"Office;0;white;75;plain;0"})), 0,
         R"({"status":0,"defaultIndex":0,"defaultName":"Office","defaultKeyNumber":0,"papers":[)"},
        {Ini({"Short;0;white;75", "Light;0;white;59;plain;0", "Col:on;1;white;75;plain;2"}), 1,
         R"({"status":1,"defaultIndex":0,"defaultName":"Col_on","defaultKeyNumber":2,"papers":[)"},
        {dir.File("missing.ini"), 2,
         R"({"status":3,"defaultIndex":-1,"defaultName":"","defaultKeyNumber":-1,"papers":[],)"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run({"import", c.ini, "--json"});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_THAT(Compact(run.out), ::testing::StartsWith(c.start));
    }
    EXPECT_THAT(Compact(Run({"import", dir.File("clean.ini"), "--json"}).out),
                HasSubstr(R"(}],"sizes":[{"listText":"8.5 x 11\""},{"listText":"210 x 297 mm"}],)"
                          R"("weights":["75"],"types":["plain"],"colours":["white"],)"
                          R"("forced":["*"],"failed":false,"colonsReplaced":false,)"
                          R"("invalidValue":false,"missingField":false,)"
                          R"("defaultPaperFailed":false,"invalidPaperCount":0})"));
}

// Written all the same, with the editor's warnings on standard error; the base is not changed.
TEST_F(CliImportTest, OutWritesWhatFileImportAndSaveAsWriteAndWarnsAsTheEditor) {
    const std::string ini = Ini({"Bad#Name;0;white;75;plain;0", "Light;0;white;59;plain;0",
                                 "Short;0;white;75", "Col:on;0;white;75;plain;0"});
    EXPECT_EQ(
        Run({"import", ini, "--base", Base(), "--out", dir.File("new.cat")}),
        (CliRun{1, "",
                "sheetwise-cli: warning: Some papers had the colon character (:) changed to the "
                "underscore character (_). (PaperDef3: Col:on became Col_on)\n"
                "sheetwise-cli: warning: The default paper selection cannot be completed. "
                "(\"Bad#Name\" cannot be made the default paper.)\n"
                "sheetwise-cli: Add operation cannot be completed because invalid paper "
                "attributes entered. (PaperDef1: Light (the size is not a number, or the weight "
                "is outside 60..200); PaperDef2: Short (a field is empty); PaperDef0: Bad#Name "
                "(a character a name, colour or type may not hold))\n"}));
    EXPECT_EQ(Read("new.cat"), "Base:Col_on\nCol_on:1:75:white:plain:2:0\n");
    EXPECT_EQ(Read("base.cat") + Read("base.cat.atr"), kBaseCatalog + std::string(kAttributes));
}

// A failed import, or a base that does not open as the editor opens its default catalog, writes
// nothing; nothing is copied to make up for a missing companion of the base either.
TEST_F(CliImportTest, WritesNothingFromAFailedImportOrOntoABaseThatDoesNotOpenCleanly) {
    std::string noForced = ExampleImportFile();
    noForced.replace(noForced.find("PaperForce0=*\r\n"), 15, "");
    const std::string ini = Ini({"Office;0;white;75;plain;0"});
    const struct {
        std::string ini, base;
        int exitCode;
        const char* error;
    } cases[] = {
        {Write("noforced.ini", noForced), Base(), 1, "section [PaperForced] has no value"},
        // Every paper refused by the catalog: nothing to add.
        {Write("refused.ini", ImportFileWithPapers({"A#;0;white;75;plain;0"})), Base(), 1,
         "Import failed. Papers contain invalid attributes."},
        {ini, WriteCatalog("noatr", kBaseCatalog, kSizes, ""), 2,
         "noatr.cat.atr is missing, and so is"},
        {ini, WriteCatalog("damaged", "D:A\nA B:1:75:white:plain\n"), 2,
         "damaged.cat: the base catalog cannot be used; nothing written"},
        {dir.File("missing.ini"), Base(), 2,
         "missing.ini: cannot open the import file: no such file or folder"},
    };
    for (const auto& c : cases)
        ExpectFailure({"import", c.ini, "-b", c.base, "--out", dir.File("new.cat")}, c.exitCode,
                      {c.error});
    EXPECT_EQ(ListFolder(dir.path()).find("new."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("noatr.cat.atr")));
}

// Without --base, the default catalog installed beside the executable's folder ("share") or in it.
TEST_F(CliImportTest, TheBaseIsTheOneGivenOrTheInstalledDefaultSizesMatchedAsTheLocaleShowsThem) {
    const std::string ini = Ini({"Office;0;white;75;plain;0"});
    EXPECT_EQ(
        Run({"import", ini, "--out", dir.File("new.cat")}),
        (CliRun{2, "", "sheetwise-cli: no --base given and no installed default catalog found\n"}));
    std::filesystem::create_directories(dir.File("bin"));
    for (const std::string folder : {"share/Korvane/Brevalon Sheetwise/", "bin/"}) {
        std::filesystem::create_directories(dir.File(folder));
        for (const std::string suffix : {".CAT", ".CAT.atr", ".DEF"})
            std::filesystem::copy_file(SHEETWISE_RESOURCE_CATALOG "/KBRVCAT_EN" + suffix,
                                       dir.File(folder + "KBRVCAT_EN" + suffix));
        EXPECT_EQ(Run({"import", ini, "--out", dir.File("new.cat"), "--force"}),
                  (CliRun{0, "", ""}));
        EXPECT_EQ(Read("new.cat"), "KBRVCAT_EN:Office\nOffice:1:75:white:plain:2:0\n");
        EXPECT_EQ(Read("new.def"), Read(folder + "KBRVCAT_EN.DEF"));
        std::filesystem::remove_all(dir.File("share"));
    }
    const std::string base =
        WriteCatalog("base", kBaseCatalog, "210:297:0:0:1:A4\n8.5:11:0:0:0:Letter\n");
    EXPECT_EQ(Run({"import", ini, "--base", base, "--out", dir.File("point.cat")}).exitCode, 0);
    EXPECT_EQ(Read("point.cat"), "Base:Office\nOffice:2:75:white:plain:2:0\n");
    // Where the sizes list shows "8,5", the imported "8.5" matches nothing: the first size.
    environment.decimalSeparator.assign(1, u',');
    EXPECT_EQ(Run({"import", ini, "--base", base, "--out", dir.File("comma.cat")}).exitCode, 0);
    EXPECT_EQ(Read("comma.cat"), "Base:Office\nOffice:1:75:white:plain:2:0\n");
}

}  // namespace
}  // namespace sheetwise::testing
