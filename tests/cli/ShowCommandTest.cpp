// show: the catalog as the editor's LoadCatalog reads it, as JSON and as tables.
#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

constexpr const char* kShopCatalog =
    "Shop:A4_Cover\n"
    "Letter:1:75:white:plain:2:0\n"
    "A4_Cover:2:160:blue:cover:1:1\n"
    "Tab_Stock:3:*:*:tab:0:0\n";

// The JSON text without the blanks and line ends between its tokens.
std::string Compact(const std::string& json) {
    std::string compact;
    bool inString = false;
    for (size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            compact += c;
            if (c == '\\' && i + 1 < json.size())
                compact += json[++i];
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
            compact += c;
        } else if (c != ' ' && c != '\n') {
            compact += c;
        }
    }
    return compact;
}

class CliShowTest : public CliTest {};

TEST_F(CliShowTest, JsonHoldsEveryValueExactlyAsTheCatalogHoldsIt) {
    const std::string catalog = WriteCatalog("shop", kShopCatalog);
    const CliRun run = Run({"show", catalog, "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Compact(run.out),
              R"({"status":0,"header":"Shop","defaultIndex":1,"defaultName":"A4_Cover","papers":[)"
              R"({"name":"Letter","sizeIndex":0,"width":8.5,"height":11.0,"weight":75,)"
              R"("colour":"white","colourCode":1,"type":"plain","typeCode":0,"imagedSides":2,)"
              R"("precollated":0,"loadPosition":0},)"
              R"({"name":"A4_Cover","sizeIndex":1,"width":210.0,"height":297.0,"weight":160,)"
              R"("colour":"blue","colourCode":5,"type":"cover","typeCode":1,"imagedSides":1,)"
              R"("precollated":1,"loadPosition":1},)"
              R"({"name":"Tab_Stock","sizeIndex":2,"width":9.0,"height":11.0,"weight":0,)"
              R"("colour":"*","colourCode":0,"type":"tab","typeCode":4,"imagedSides":0,)"
              R"("precollated":0,"loadPosition":2}],"sizes":[)"
              R"({"width":8.5,"height":11.0,"third":0.0,"fourth":0.0,"line":0,"unit":0,)"
              R"("text":"Letter 8.5 x 11 in","widthText":"8.5","heightText":"11"},)"
              R"({"width":210.0,"height":297.0,"third":0.0,"fourth":0.0,"line":1,"unit":1,)"
              R"("text":"A4 210 x 297 mm","widthText":"210","heightText":"297"},)"
              R"({"width":9.0,"height":11.0,"third":0.0,"fourth":0.0,"line":2,"unit":0,)"
              R"("text":"Tab 9 x 11 in","widthText":"9","heightText":"11"}],)"
              R"("weights":["*","75","160"],"types":["*","plain","cover","tab"],)"
              R"("colours":["*","white","blue"]})");
}

TEST_F(CliShowTest, ValuesTheReaderComputesAreShownAsComputed) {
    // A size number out of range, a colour in other letter case, a type "*", precollated 7, a
    // default name no paper carries (the index stays 0) and the size file's odd measures.
    const std::string catalog = WriteCatalog("odd", "Odd:Nobody\nX:9:90:White:*:4:7\n",
                                             "8,25:11.5:1.5:.5:1:Custom: with colon\n");
    const CliRun run = Run({"show", catalog, "--json"});
    EXPECT_EQ(run.exitCode, 0);
    const std::string json = Compact(run.out);
    EXPECT_NE(json.find(R"("defaultIndex":0,"defaultName":"Nobody")"), std::string::npos);
    EXPECT_NE(json.find(R"({"name":"X","sizeIndex":-1,"width":8.5,"height":11.0,"weight":90,)"
                        R"("colour":"White","colourCode":7,"type":"*","typeCode":-1,)"
                        R"("imagedSides":2,"precollated":7,"loadPosition":0})"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find(R"({"width":8.25,"height":11.5,"third":1.5,"fourth":0.5,"line":0,)"
                        R"("unit":1,"text":"Custom: with colon","widthText":"8,25",)"
                        R"("heightText":"11.5"})"),
              std::string::npos)
        << json;
}

TEST_F(CliShowTest, WideCatalogTextComesOutAsUtf8) {
    const std::string catalog =
        WriteCatalog("wide", WideFile(u"W\u00e4rme:\u03a7\u03b1\u03c1\u03c4\u03af\n"
                                      u"\u03a7\u03b1\u03c1\u03c4\u03af:1:75:white:plain:2:0\n"));
    const CliRun run = Run({"show", catalog, "--json"});
    EXPECT_EQ(run.exitCode, 0);
    const std::string json = Compact(run.out);
    EXPECT_NE(json.find("\"header\":\"W\xC3\xA4rme\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"name\":\"\xCE\xA7\xCE\xB1\xCF\x81\xCF\x84\xCE\xAF\""),
              std::string::npos);
    EXPECT_NE(json.find("\"defaultIndex\":0"), std::string::npos);
}

TEST_F(CliShowTest, CompanionsAreFoundInAnyLetterCaseAndNeverCopied) {
    WriteBytes(dir.File("OFFICE.CAT"), kShopCatalog);
    WriteBytes(dir.File("office.def"), kCliSizes);
    WriteBytes(dir.File("Office.Cat.ATR"), kCliAttributes);
    const std::string before = ListFolder(dir.path());
    const CliRun run = Run({"show", dir.File("office.cat"), "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(Compact(run.out).find(R"("status":0,)"), std::string::npos);
    EXPECT_EQ(ListFolder(dir.path()), before);
}

TEST_F(CliShowTest, AMissingCompanionIsShownWithItsStatusAndNothingIsCopied) {
    const std::string catalog = WriteCatalog("bare", kShopCatalog, kCliSizes, "");
    const std::string before = ListFolder(dir.path());
    const CliRun run = Run({"show", catalog, "--json"});
    EXPECT_EQ(run.exitCode, 2);
    const std::string json = Compact(run.out);
    // The papers are not read; the catalog holds the default paper only.
    EXPECT_EQ(json.rfind(R"({"status":2,"header":"Shop","defaultIndex":0,"defaultName":"",)"
                         R"("papers":[{"name":"Letter","sizeIndex":0,"width":8.5,)",
                         0),
              0u)
        << json;
    EXPECT_NE(json.find(R"("weights":[],"types":[],"colours":[]})"), std::string::npos);
    EXPECT_NE(run.err.find("status 2 (the size-definition or attribute file cannot be opened)"),
              std::string::npos);
    EXPECT_EQ(ListFolder(dir.path()), before);
}

TEST_F(CliShowTest, ExitStatusFollowsTheCatalogStatus) {
    // Without its file the catalog is what the editor would hold: the default paper, and the
    // status of the first step that failed (the size-definition file is read first).
    CliRun run = Run({"show", dir.File("missing.cat"), "--json"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Compact(run.out).rfind(R"({"status":2,"header":"","defaultIndex":0,"defaultName":"",)"
                                     R"("papers":[{"name":"Letter",)",
                                     0),
              0u)
        << run.out;
    EXPECT_NE(run.err.find("missing.cat: cannot open the catalog file"), std::string::npos);

    const std::string damaged = WriteCatalog("damaged",
                                             "D:Letter\nLetter:1:75:white:plain\n"
                                             "Bad Name:1:75:white:plain\n");
    run = Run({"show", damaged, "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(Compact(run.out).find(R"("status":12,)"), std::string::npos);
    EXPECT_NE(run.err.find("lines were dropped"), std::string::npos);
}

TEST_F(CliShowTest, TablesShowTheCatalogForPeople) {
    const std::string catalog = WriteCatalog("shop", kShopCatalog);
    const CliRun run = Run({"show", catalog});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Catalog        " + catalog +
                  "\n"
                  "Status         0 (read without problems)\n"
                  "Header         Shop\n"
                  "Default paper  1 A4_Cover\n"
                  "\n"
                  "Papers (3)\n"
                  "Index  Name       Size  Width  Height  Weight  Colour  Type   Sides       "
                  "Precollated\n"
                  "0      Letter     0     8.5    11.0    75      white   plain  1, 2-Sided  no\n"
                  "1      A4_Cover   1     210.0  297.0   160     blue    cover  1-Sided     yes\n"
                  "2      Tab_Stock  2     9.0    11.0    *       *       tab    Inserter    no\n"
                  "\n"
                  "Sizes (3)\n"
                  "Index  Width  Height  Unit  Line  Text\n"
                  "0      8.5    11      in    1     Letter 8.5 x 11 in\n"
                  "1      210    297     mm    2     A4 210 x 297 mm\n"
                  "2      9      11      in    3     Tab 9 x 11 in\n"
                  "\n"
                  "Weights (3): *, 75, 160\n"
                  "Types (4): *, plain, cover, tab\n"
                  "Colours (3): *, white, blue\n");
}

}  // namespace
}  // namespace sheetwise::testing
