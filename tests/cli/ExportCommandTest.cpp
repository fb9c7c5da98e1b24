// export: the papers as CSV (RFC 4180) or as a JSON array.
#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

class CliExportTest : public CliTest {};

TEST_F(CliExportTest, CsvHasAHeaderRowAndQuotesNamesWithCommas) {
    const std::string catalog =
        WriteCatalog("shop",
                     "Shop:Letter\nLetter:1:75:white:plain:2:0\nA4,Cover:2:160:blue:cover:1:1\n"
                     "Tab_Stock:9:*:*:tab:0:0\n");
    const CliRun run = Run({"export", catalog, "--format", "csv"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "name,sizeIndex,width,height,weight,colour,colourCode,type,typeCode,imagedSides,"
              "precollated,loadPosition\r\n"
              "Letter,0,8.5,11.0,75,white,1,plain,0,2,0,0\r\n"
              "\"A4,Cover\",1,210.0,297.0,160,blue,5,cover,1,1,1,1\r\n"
              "Tab_Stock,-1,8.5,11.0,0,*,0,tab,4,0,0,2\r\n");
    // CSV is the default format.
    EXPECT_EQ(Run({"export", catalog}).out, run.out);
}

TEST_F(CliExportTest, JsonIsAnArrayOfPapers) {
    const std::string catalog = WriteCatalog("one", "One:P\nP:2:90:blue:tab:1:0\n");
    const CliRun run = Run({"export", catalog, "--format=json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "[\n"
              "  {\n"
              "    \"name\": \"P\",\n"
              "    \"sizeIndex\": 1,\n"
              "    \"width\": 210.0,\n"
              "    \"height\": 297.0,\n"
              "    \"weight\": 90,\n"
              "    \"colour\": \"blue\",\n"
              "    \"colourCode\": 5,\n"
              "    \"type\": \"tab\",\n"
              "    \"typeCode\": 4,\n"
              "    \"imagedSides\": 1,\n"
              "    \"precollated\": 0,\n"
              "    \"loadPosition\": 0\n"
              "  }\n"
              "]\n");
}

TEST_F(CliExportTest, DroppedLinesAreLeftOutAndUnreadPapersNotMadeUp) {
    const std::string damaged =
        WriteCatalog("damaged", "D:A\nA:1:75:white:plain\nB:1:75\nC:1:75:white:plain\n");
    CliRun run = Run({"export", damaged});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.substr(run.out.find("\r\n") + 2),
              "A,0,8.5,11.0,75,white,1,plain,0,2,0,0\r\n"
              "C,0,8.5,11.0,75,white,1,plain,0,2,0,1\r\n");
    EXPECT_NE(run.err.find("status 11"), std::string::npos);

    // Without its size-definition file the catalog holds only the stand-in "Letter" paper.
    run = Run({"export", WriteCatalog("nosizes", "N:A\nA:1:75:white:plain\n", "")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("nothing exported"), std::string::npos);
}

}  // namespace
}  // namespace sheetwise::testing
