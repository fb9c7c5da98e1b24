// show: the catalog as the editor's LoadCatalog reads it, as JSON and as tables; export: its
// papers as CSV (RFC 4180) or as a JSON array.
#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

using CliShowTest = CliTest;

// Each value once, under its own key (the keys are the schema's: cli_json_schemas); the default
// name as read, also when no paper carries it. export --json prints the same papers.
TEST_F(CliShowTest, JsonHoldsEveryValueExactlyAsTheCatalogHoldsIt) {
    const std::string catalog =
        WriteCatalog("one", "One:Nobody\nP:1:90:blue:tab:1:0\n", "210:297:3:4:1:A4\n",
                     "[PaperWeights]\n90\n[PaperTypes]\ntab\n[PaperColors]\nblue\n");
    const std::string papers =
        R"([{"name":"P","sizeIndex":0,"width":210.0,"height":297.0,"weight":90,"colour":"blue",)"
        R"("colourCode":5,"type":"tab","typeCode":4,"imagedSides":1,"precollated":0,)"
        R"("loadPosition":0}])";
    const CliRun run = Run({"show", catalog, "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Compact(run.out),
              R"({"status":0,"header":"One","defaultIndex":0,"defaultName":"P",)"
              R"("defaultNameAsRead":"Nobody","papers":)" +
                  papers +
                  R"(,"sizes":[{"width":210.0,"height":297.0,"third":3.0,"fourth":4.0,"line":0,)"
                  R"("unit":1,"text":"A4","widthText":"210","heightText":"297",)"
                  R"("listText":"210 x 297 mm"}],"weights":["90"],"types":["tab"],)"
                  R"("colours":["blue"]})");
    EXPECT_EQ(Compact(Run({"export", catalog, "--format=json"}).out), papers);
}

// Whatever the status, the catalog is shown as the editor would hold it (without its attribute
// file, the default paper only), the status decides the exit code, and nothing is copied to make
// up for a missing companion.
TEST_F(CliShowTest, ExitStatusFollowsTheCatalogStatus) {
    const std::string bare = WriteCatalog("bare", "Bare:A\nA:1:75:white:plain\n", kSizes, "");
    const std::string before = ListFolder(dir.path());
    CliRun run = Run({"show", bare, "--json"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(Compact(run.out),
                HasSubstr(R"({"status":2,"header":"Bare","defaultIndex":0,"defaultName":"Letter",)"
                          R"("defaultNameAsRead":"","papers":[{"name":"Letter",)"));
    EXPECT_EQ(ListFolder(dir.path()), before);

    // The catalog file itself cannot be opened: nothing was read.
    WriteCatalog("nocat", "");
    std::filesystem::remove(dir.File("nocat.cat"));
    run = RunExpecting({"show", dir.File("nocat.cat"), "--json"}, 2,
                       {"status 6 (the catalog file cannot be opened): no paper was read"});
    EXPECT_THAT(Compact(run.out), HasSubstr(R"({"status":6,"header":"","defaultIndex":0,)"));
    // A line too long to read: the papers before it were read, none after it.
    RunExpecting(
        {"show", WriteCatalog("cut", "Cut:A\nA:1:75:white:plain\n" + std::string(2048, 'x') +
                                         "\nB:1:75:white:plain\n")},
        1, {"or more than 64 MiB): reading stopped there, no paper after that point was read;"});
    run = RunExpecting(
        {"show", WriteCatalog("damaged", "D:A\nA:1:75:white:plain\nB B:1:75:white:plain\n"),
         "--json"},
        1, {"lines were dropped"});
    EXPECT_THAT(Compact(run.out), HasSubstr(R"({"status":12,)"));
}

// Values come from files anyone may have written: a control character in one reaches the
// terminal as an escape, as check shows it, never as itself.
TEST_F(CliShowTest, TablesShowTheCatalogForPeople) {
    const std::string catalog = WriteCatalog("shop", "Sh\x1bop:A4_Cover\n" + std::string(kPapers),
                                             "8.5:11:0:0:0:Letter\x9b\n210:297:0:0:1:A4\n",
                                             "[PaperWeights]\n*\n75\n[PaperTypes]\nplain\x7f\n"
                                             "[PaperColors]\ndark blue\n\n");
    const CliRun run = Run({"show", catalog});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "Catalog        shop.cat\n"
              "Status         0 (read without problems)\n"
              "Header         Sh\\x1bop\n"
              "Default paper  1 A4_Cover\n"
              "\nPapers (3)\n"
              "Index  Name       Size  Width  Height  Weight  Colour  Type   Sides       "
              "Precollated\n"
              "0      Letter     0     8.5    11.0    75      white   plain  1, 2-Sided  no\n"
              "1      A4_Cover   1     210.0  297.0   160     blue    cover  1-Sided     yes\n"
              "2      Tab_Stock  -1    8.5    11.0    *       *       tab    Inserter    no\n"
              "\nSizes (2)\n"
              "Index  Width  Height  Unit  Line  Text\n"
              "0      8.5    11      in    1     Letter\\x9b\n"
              "1      210    297     mm    2     A4\n"
              "\nWeights (2): *, 75\n"
              "Types (1): plain\\x7f\n"
              "Colours (1): \"dark blue\"\n");
}

using CliExportTest = CliTest;

TEST_F(CliExportTest, CsvOfThePapersReadWithAHeaderRowAndNamesWithCommasQuoted) {
    const std::string catalog = WriteCatalog(
        "shop", "Shop:Letter\nLetter:1:75:white:plain:2:0\nA4,Cover:2:160:blue:cover:1:1\n");
    CliRun run = Run({"export", catalog, "--format", "csv"});
    EXPECT_EQ(run, (CliRun{0,
                           "name,sizeIndex,width,height,weight,colour,colourCode,type,typeCode,"
                           "imagedSides,precollated,loadPosition\r\n"
                           "Letter,0,8.5,11.0,75,white,1,plain,0,2,0,0\r\n"
                           "\"A4,Cover\",1,210.0,297.0,160,blue,5,cover,1,1,1,1\r\n",
                           ""}));
    EXPECT_EQ(Run({"export", catalog}), run);
    // Dropped lines are left out; a catalog whose companions failed holds only the stand-in paper,
    // which is not exported.
    run = Run({"export", WriteCatalog("damaged", "D:A\nA:1:75:white:plain\nB:1:75\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.out, ::testing::EndsWith("\r\nA,0,8.5,11.0,75,white,1,plain,0,2,0,0\r\n"));
    ExpectFailure({"export", WriteCatalog("nosizes", "N:A\nA:1:75:white:plain\n", "")}, 2,
                  {"nothing exported"});
}

}  // namespace
}  // namespace sheetwise::testing
