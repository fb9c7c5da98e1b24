// import: an import file read and cleaned (--json), or moved into a base catalog and saved as
// File > Import followed by Save As saves it (--out).
#include <filesystem>

#include "CliTestSupport.h"
#include "import/ImportTestSupport.h"

namespace sheetwise::testing {
namespace {

constexpr const char* kBaseCatalog =
    "Base:Letter\nLetter:1:75:white:plain:2:0\nA4_Cover:2:160:blue:cover:1:1\n";

class CliImportTest : public CliTest {
  protected:
    std::string Base() { return WriteCatalog("base", kBaseCatalog); }
};

TEST_F(CliImportTest, JsonShowsTheImportFileAsReadAndCleaned) {
    const std::string ini = Write("example.ini", ExampleImportFile());
    const CliRun run = Run({"import", ini, "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // The keys show --json gives the same things; the default's key number is PaperDef0.
    EXPECT_EQ(Compact(run.out),
              R"({"status":0,"defaultIndex":0,"defaultName":"Office","defaultKeyNumber":0,)"
              R"("papers":[)"
              R"({"name":"Office","sizeIndex":0,"width":8.5,"height":11.0,"weight":75,)"
              R"("colour":"white","colourCode":1,"type":"plain","typeCode":0,"imagedSides":2,)"
              R"("precollated":0,"loadPosition":0},)"
              R"({"name":"DraftA4","sizeIndex":1,"width":8.5,"height":11.0,"weight":0,)"
              R"("colour":"*","colourCode":1,"type":"plain","typeCode":0,"imagedSides":1,)"
              R"("precollated":0,"loadPosition":0}],)"
              R"("sizes":[{"listText":"8.5 x 11\""},{"listText":"210 x 297 mm"}],)"
              R"("weights":["75"],"types":["plain"],"colours":["white"],"forced":["*"],)"
              R"("failed":false,"colonsReplaced":false,"invalidValue":false,)"
              R"("missingField":false,"defaultPaperFailed":false,"invalidPaperCount":0})");
}

TEST_F(CliImportTest, JsonOfADamagedImportFileCarriesItsFlagsAndWarns) {
    const std::string ini = Write(
        "damaged.ini", ImportFileWithPapers({"Short;0;white;75", "Light;0;white;59;plain;0",
                                             "*;0;white;75;plain;0", "Col:on;1;white;75;plain;2"}));
    const CliRun run = Run({"import", ini, "--json"});
    EXPECT_EQ(run.exitCode, 1);
    const std::string json = Compact(run.out);
    EXPECT_EQ(json.rfind(R"({"status":1,"defaultIndex":0,"defaultName":"Col_on",)"
                         R"("defaultKeyNumber":3,"papers":[)",
                         0),
              0u)
        << json;
    EXPECT_NE(json.find(R"("failed":false,"colonsReplaced":true,"invalidValue":true,)"
                        R"("missingField":true,"defaultPaperFailed":false,"invalidPaperCount":2})"),
              std::string::npos)
        << json;
    EXPECT_NE(run.err.find("warning: Some papers had the colon character (:) changed"),
              std::string::npos);
    EXPECT_NE(run.err.find("(2 paper definitions rejected"), std::string::npos);
}

TEST_F(CliImportTest, OutWritesWhatFileImportAndSaveAsWrite) {
    const std::string ini = Write("example.ini", ExampleImportFile());
    const CliRun run = Run({"import", ini, "--base", Base(), "--out", dir.File("new.cat")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    // The base's header and sizes stay; its papers and values are gone; the papers' colours,
    // weights and types are added to the lists as the window lists them.
    EXPECT_EQ(Read("new.cat"),
              "Base:Office\nOffice:1:75:white:plain:2:0\nDraftA4:2:0:*:plain:1:0\n");
    EXPECT_EQ(Read("new.cat.atr"),
              "[PaperWeights]\n75\n*\n[PaperTypes]\nplain\n[PaperColors]\nwhite\n*\n\n");
    EXPECT_EQ(Read("new.def"), kSizes);
    // The base catalog is not changed.
    EXPECT_EQ(Read("base.cat"), kBaseCatalog);
    EXPECT_EQ(Read("base.cat.atr"), kAttributes);
}

TEST_F(CliImportTest, TheEditorsWarningsGoToStandardError) {
    const std::string ini = Write(
        "warn.ini", ImportFileWithPapers({"Bad#Name;0;white;75;plain;0", "Light;0;white;59;plain;0",
                                          "Short;0;white;75", "Col:on;0;white;75;plain;0"}));
    const CliRun run = Run({"import", ini, "--base", Base(), "--out", dir.File("new.cat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "sheetwise-cli: warning: Some papers had the colon character (:) changed to the "
              "underscore character (_).\n"
              "sheetwise-cli: warning: The default paper selection cannot be completed. "
              "(\"Bad#Name\" cannot be made the default paper)\n"
              "sheetwise-cli: warning: Add operation cannot be completed because invalid paper "
              "attributes entered. (2 paper definitions rejected for an empty field or a size "
              "number that is not all digits or a weight outside 60..200)\n"
              "sheetwise-cli: warning: Add operation cannot be completed because invalid paper "
              "attributes entered. (paper \"Bad#Name\" was not added)\n");
    // Written all the same; the default paper stays at the base's default index.
    EXPECT_EQ(Read("new.cat"), "Base:Col_on\nCol_on:1:75:white:plain:2:0\n");
}

TEST_F(CliImportTest, AFailedImportWritesNothing) {
    const std::string base = Base();
    std::string noForced = ExampleImportFile();
    noForced.replace(noForced.find("PaperForce0=*\r\n"), 15, "");
    CliRun run = Run(
        {"import", Write("noforced.ini", noForced), "--base", base, "--out", dir.File("new.cat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("section [PaperForced] has no value"), std::string::npos) << run.err;

    // Every paper refused by the catalog: nothing to add.
    run = Run({"import", Write("refused.ini", ImportFileWithPapers({"A#;0;white;75;plain;0"})),
               "--base", base, "--out", dir.File("new.cat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Import failed. Papers contain invalid attributes."), std::string::npos);
    ExpectNoCatalog("new");
}

TEST_F(CliImportTest, TheBaseMustOpenAsTheEditorOpensItsDefaultCatalog) {
    const std::string ini = Write("example.ini", ExampleImportFile());
    const std::string noAttributes = WriteCatalog("noatr", kBaseCatalog, kSizes, "");
    CliRun run = Run({"import", ini, "--base", noAttributes, "--out", dir.File("new.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("noatr.cat.atr: the base catalog's companion is missing"),
              std::string::npos);
    // And nothing is copied to make up for it.
    EXPECT_FALSE(std::filesystem::exists(dir.File("noatr.cat.atr")));

    const std::string damaged = WriteCatalog("damaged", "D:A\nA B:1:75:white:plain\n");
    run = Run({"import", ini, "--base", damaged, "--out", dir.File("new.cat")});
    EXPECT_EQ(run.exitCode, 1);
    ExpectNoCatalog("new");

    run = Run({"import", dir.File("missing.ini"), "--base", damaged, "--out", dir.File("n.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("missing.ini: cannot open the import file"), std::string::npos);
    EXPECT_EQ(run.out, "");
    // As JSON, a file that cannot be read is the failed import the editor would read from it.
    run = Run({"import", dir.File("missing.ini"), "--json"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Compact(run.out).rfind(
                  R"({"status":3,"defaultIndex":-1,"defaultName":"","defaultKeyNumber":-1,)"
                  R"("papers":[],"sizes":[],)",
                  0),
              0u)
        << run.out;
}

TEST_F(CliImportTest, WithoutBaseTheInstalledDefaultCatalogIsTheBase) {
    const std::string ini = Write("example.ini", ExampleImportFile());
    CliRun run = Run({"import", ini, "--out", dir.File("new.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("no --base given and no installed default catalog found"),
              std::string::npos);

    const std::string share = dir.File("share/Korvane/Brevalon Sheetwise");
    std::filesystem::create_directories(share);
    std::filesystem::create_directories(dir.File("bin"));
    for (const char* name : {"KBRVCAT_EN.CAT", "KBRVCAT_EN.CAT.atr", "KBRVCAT_EN.DEF"})
        std::filesystem::copy_file(std::string(SHEETWISE_RESOURCE_CATALOG) + "/" + name,
                                   share + "/" + name);
    run = Run({"import", ini, "--out", dir.File("new.cat")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Read("new.cat"),
              "KBRVCAT_EN:Office\nOffice:1:75:white:plain:2:0\nDraftA4:9:0:*:plain:1:0\n");
    EXPECT_EQ(Read("new.def"),
              ReadBytes(std::string(SHEETWISE_RESOURCE_CATALOG) + "/KBRVCAT_EN.DEF"));
}

TEST_F(CliImportTest, SizesAreMatchedWithTheLocalesDecimalSeparator) {
    const std::string base =
        WriteCatalog("base", kBaseCatalog, "210:297:0:0:1:A4\n8.5:11:0:0:0:Letter\n");
    const std::string ini =
        Write("letter.ini", ImportFileWithPapers({"Office;0;white;75;plain;0"}));
    CliRun run = Run({"import", ini, "--base", base, "--out", dir.File("point.cat")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Read("point.cat"), "Base:Office\nOffice:2:75:white:plain:2:0\n");
    // Where the sizes list shows "8,5", the imported "8.5" matches nothing: the first size.
    environment.decimalSeparator.assign(1, u',');
    run = Run({"import", ini, "--base", base, "--out", dir.File("comma.cat")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Read("comma.cat"), "Base:Office\nOffice:1:75:white:plain:2:0\n");
}

}  // namespace
}  // namespace sheetwise::testing
