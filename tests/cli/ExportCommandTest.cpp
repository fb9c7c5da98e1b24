// export: the papers as CSV (RFC 4180) or as a JSON array.
#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

using CliExportTest = CliTest;

// CSV is the default format.
TEST_F(CliExportTest, CsvHasAHeaderRowAndQuotesNamesWithCommas) {
    const std::string catalog = WriteCatalog(
        "shop", "Shop:Letter\nLetter:1:75:white:plain:2:0\nA4,Cover:2:160:blue:cover:1:1\n");
    const CliRun run = Run({"export", catalog, "--format", "csv"});
    EXPECT_EQ(run, (CliRun{0,
                           "name,sizeIndex,width,height,weight,colour,colourCode,type,typeCode,"
                           "imagedSides,precollated,loadPosition\r\n"
                           "Letter,0,8.5,11.0,75,white,1,plain,0,2,0,0\r\n"
                           "\"A4,Cover\",1,210.0,297.0,160,blue,5,cover,1,1,1,1\r\n",
                           ""}));
    EXPECT_EQ(Run({"export", catalog}), run);
}

// Each value under its own key (the layout is pinned in CliJsonWriterTest).
TEST_F(CliExportTest, JsonIsAnArrayOfPapers) {
    const CliRun run =
        Run({"export", WriteCatalog("one", "One:P\nP:2:90:blue:tab:1:0\n"), "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(Compact(run.out),
              R"([{"name":"P","sizeIndex":1,"width":210.0,"height":297.0,"weight":90,)"
              R"("colour":"blue","colourCode":5,"type":"tab","typeCode":4,"imagedSides":1,)"
              R"("precollated":0,"loadPosition":0}])");
}

// Dropped lines are left out; a catalog whose companions failed holds only the stand-in paper,
// which is not exported.
TEST_F(CliExportTest, DroppedLinesAreLeftOutAndUnreadPapersNotMadeUp) {
    CliRun run = Run({"export", WriteCatalog("damaged", "D:A\nA:1:75:white:plain\nB:1:75\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.out, ::testing::EndsWith("\r\nA,0,8.5,11.0,75,white,1,plain,0,2,0,0\r\n"));
    EXPECT_THAT(run.err, HasSubstr("status 11"));
    run = Run({"export", WriteCatalog("nosizes", "N:A\nA:1:75:white:plain\n", "")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr("nothing exported"));
}

}  // namespace
}  // namespace sheetwise::testing
