// diff: catalogs that differ in each way, catalogs that read the same from other bytes, and the
// exit statuses.
#include <regex>

#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

constexpr const char* kShop =
    "Shop:Letter\nLetter:1:75:white:plain:2:0\nA4:2:160:blue:cover:1:1\nTab:1:75:white:plain:0:0\n"
    "Old:1:75:white:plain\n";

constexpr const char* kShopAttributes =
    "[PaperWeights]\n75\n160\n[PaperTypes]\nplain\ncover\n[PaperColors]\nwhite\nblue\n\n";

using CliDiffTest = CliTest;

// UTF-16 with CR LF or ANSI with LF: the same. The sixth field empty reads as 0 (Inserter),
// absent as 2 (1, 2-Sided): not the same.
TEST_F(CliDiffTest, CatalogsThatReadTheSameAreTheSameWhateverTheirBytes) {
    const std::string narrow =
        WriteCatalog("narrow", "Caf\xE9:Caf\xE9\nCaf\xE9:1:75:white:plain\n");
    const std::string wide = WriteCatalog(
        "wide", WideFile(u"Caf\u00e9:Caf\u00e9\nCaf\u00e9:1:75:white:plain::0\n"),
        std::regex_replace(kSizes, std::regex("\n"), "\r\n"), WideFile(Utf8ToUtf16(kAttributes)));
    EXPECT_EQ(Run({"diff", narrow, wide}),
              (CliRun{1, "paper \"Caf\xC3\xA9\": imagedSides 2 -> 0\n", ""}));
    Write("wide.cat", WideFile(u"Caf\u00e9:Caf\u00e9\nCaf\u00e9:1:75:white:plain:2:0\n"));
    EXPECT_EQ(Run({"diff", narrow, wide}), (CliRun{0, "", ""}));
    EXPECT_EQ(Run({"diff", narrow, wide, "--bytes"}),
              (CliRun{0,
                      "bytes: the catalog files differ\nbytes: the attribute files differ\n"
                      "bytes: the size-definition files differ\n",
                      ""}));
}

TEST_F(CliDiffTest, NamesEachDifferenceOnceOrExitsWithTwo) {
    const std::string shop = WriteCatalog("shop", kShop, kSizes, kShopAttributes);
    const std::string store =
        WriteCatalog("store",
                     "Store:A4\nTab:1:75:white:plain:0:0\nLetter:1:90:blue:plain:2:0\n"
                     "A4:2:160:blue:cover:1:0\nNew:3:75:white:plain:2:0\n",
                     "8.5:11:0:0:0:Letter 8.5 x 11 in\n210:297:0:0:1:A4 long\n",
                     "[PaperWeights]\n75\n90\n[PaperTypes]\ncover\nplain\n[PaperColors]\nwhite\n"
                     "blue\n\n");
    EXPECT_EQ(Run({"diff", shop, store}),
              (CliRun{1,
                      "header: \"Shop\" -> \"Store\"\ndefault paper: \"Letter\" -> \"A4\"\n"
                      "paper \"Old\": removed from 3 (Old:1:75:white:plain:2:0)\n"
                      "paper \"New\": added at 3 (New:0:75:white:plain:2:0)\n"
                      "paper \"Tab\": moved from 2 to 0\n"
                      "paper \"Letter\": weight 75 -> 90, colour \"white\" -> \"blue\"\n"
                      "paper \"A4\": precollated 1 -> 0\n"
                      "weights: removed \"160\"\nweights: added \"90\"\n"
                      "types: the values both hold stand in another order\n"
                      "size 1: text \"A4 210 x 297 mm\" -> \"A4 long\"\n"
                      "size 2: removed (9:11:0.0:0.0:0:Tab 9 x 11 in)\n",
                      ""}));
    // A paper taken from the end to the front is one move, not three.
    const std::string rotated =
        WriteCatalog("rotated",
                     "Shop:Letter\nOld:1:75:white:plain\nLetter:1:75:white:plain:2:0\n"
                     "A4:2:160:blue:cover:1:1\nTab:1:75:white:plain:0:0\n",
                     kSizes, kShopAttributes);
    EXPECT_EQ(Run({"diff", shop, rotated}), (CliRun{1, "paper \"Old\": moved from 3 to 0\n", ""}));
    // Catalogs that cannot be compared exit with 2.
    EXPECT_EQ(Run({"diff", shop, dir.File("missing.cat")}).exitCode, 2);
    // Without its attribute file a catalog holds only the stand-in paper: no basis to compare.
    const CliRun run = Run({"diff", WriteCatalog("bare", kShop, kSizes, ""), shop, "--json"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr("bare.cat: not read to its end, so it cannot be compared"));
}

}  // namespace
}  // namespace sheetwise::testing
