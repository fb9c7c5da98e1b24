// show: the catalog as the editor's LoadCatalog reads it, as JSON and as tables.
#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

const std::string kShopCatalog = std::string("Shop:A4_Cover\n") + kPapers;

class CliShowTest : public CliTest {};

TEST_F(CliShowTest, JsonHoldsEveryValueExactlyAsTheCatalogHoldsIt) {
    const std::string catalog = WriteCatalog("shop", kShopCatalog);
    const CliRun run = Run({"show", catalog, "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    // The papers as export writes them (pinned in CliExportTest), then the sizes and lists.
    const std::string papers = Compact(Run({"export", catalog, "--json"}).out);
    EXPECT_EQ(Compact(run.out),
              R"({"status":0,"header":"Shop","defaultIndex":1,"defaultName":"A4_Cover","papers":)" +
                  papers +
                  R"(,"sizes":[)"
                  R"({"width":8.5,"height":11.0,"third":0.0,"fourth":0.0,"line":0,"unit":0,)"
                  R"("text":"Letter 8.5 x 11 in","widthText":"8.5","heightText":"11",)"
                  R"("listText":"8.5 x 11\""},)"
                  R"({"width":210.0,"height":297.0,"third":0.0,"fourth":0.0,"line":1,"unit":1,)"
                  R"("text":"A4 210 x 297 mm","widthText":"210","heightText":"297",)"
                  R"("listText":"210 x 297 mm"},)"
                  R"({"width":9.0,"height":11.0,"third":0.0,"fourth":0.0,"line":2,"unit":0,)"
                  R"("text":"Tab 9 x 11 in","widthText":"9","heightText":"11",)"
                  R"("listText":"9 x 11\""}],)"
                  R"("weights":["*","75","160"],"types":["*","plain","cover","tab"],)"
                  R"("colours":["*","white","blue"]})");
}

// The values the reader computes are pinned in tests/model; here only that the default name is
// shown as read, also when no paper carries it (the index stays 0).
TEST_F(CliShowTest, TheDefaultNameIsShownAsRead) {
    const CliRun run =
        Run({"show", WriteCatalog("odd", "Odd:Nobody\nX:9:90:White:*:4:7\n"), "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(Compact(run.out).find(R"("defaultIndex":0,"defaultName":"Nobody","papers":[)"),
              std::string::npos)
        << run.out;
}

// Whatever the status, the catalog is shown as the editor would hold it, the status decides the
// exit code, and nothing is copied to make up for a missing companion.
TEST_F(CliShowTest, ExitStatusFollowsTheCatalogStatus) {
    const std::string catalog = WriteCatalog("bare", kShopCatalog, kSizes, "");
    const std::string before = ListFolder(dir.path());
    CliRun run = Run({"show", catalog, "--json"});
    EXPECT_EQ(run.exitCode, 2);
    std::string json = Compact(run.out);
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

    // Without its file: the status of the first step that failed (the size-definition file is
    // read first).
    run = Run({"show", dir.File("missing.cat"), "--json"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Compact(run.out).rfind(R"({"status":2,"header":"","defaultIndex":0,"defaultName":"",)"
                                     R"("papers":[{"name":"Letter",)",
                                     0),
              0u)
        << run.out;
    EXPECT_NE(run.err.find("missing.cat: cannot open the catalog file"), std::string::npos);

    const std::string damaged =
        WriteCatalog("damaged", "D:Letter\nLetter:1:75:white:plain\nBad Name:1:75:white:plain\n");
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

// Values come from files anyone may have written: a control character in one must reach the
// terminal as text, as check shows it, never as itself.
TEST_F(CliShowTest, TablesShowControlCharactersAsEscapes) {
    const std::string catalog =
        WriteCatalog("esc", "Sh\x1b[2Jop:Letter\nLetter:1:75:white:plain:2:0\n",
                     "8.5:11:0:0:0:Letter\x9b"
                     "1m\n",
                     "[PaperTypes]\nplain\x7f\n[PaperColors]\nwhite\n");
    const CliRun run = Run({"show", catalog});
    EXPECT_NE(run.out.find("Header         Sh\\x1b[2Jop\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Letter\\x9b1m\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Types (1): plain\\x7f\n"), std::string::npos) << run.out;
    for (const char raw : {'\x1b', '\x7f'})
        EXPECT_EQ(run.out.find(raw), std::string::npos);
}

// A catalog file that cannot be opened is not read at all, one with a line too long only up to
// it; a full disk behind standard output is no success.
TEST_F(CliShowTest, ReportsWhatReallyFailed) {
    WriteCatalog("nocat", "");
    std::filesystem::remove(dir.File("nocat.cat"));
    CliRun run = Run({"show", dir.File("nocat.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("status 6 (the catalog file cannot be opened): no paper was read"),
              std::string::npos)
        << run.err;
    const std::string cut =
        WriteCatalog("cut", "Cut:A\nA:1:75:white:plain\n" + std::string(2048, 'x') + "\n");
    run = Run({"show", cut});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("a line too long to read): reading stopped there, no paper after that "
                           "point was read;"),
              std::string::npos)
        << run.err;

    struct FullDisk : std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
    } full;
    std::ostream out(&full);
    std::ostringstream err;
    cli::Console console{out, err};
    const std::string shop = WriteCatalog("shop", "Shop:A\nA:1:75:white:plain\n");
    EXPECT_EQ(cli::RunCommandLine({"show", QString::fromStdString(shop)}, console, environment), 2);
    EXPECT_EQ(err.str(), "sheetwise-cli: cannot write the results to standard output\n");
}

}  // namespace
}  // namespace sheetwise::testing
