// diff: catalogs that differ in each way, catalogs that read the same from other bytes, and the
// exit statuses.
#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

constexpr const char* kShop =
    "Shop:Letter\n"
    "Letter:1:75:white:plain:2:0\n"
    "A4:2:160:blue:cover:1:1\n"
    "Tab:1:75:white:plain:0:0\n"
    "Old:1:75:white:plain\n";

constexpr const char* kShopAttributes =
    "[PaperWeights]\n75\n160\n[PaperTypes]\nplain\ncover\n[PaperColors]\nwhite\nblue\n\n";

// UTF-16 LE with CR LF line ends and the byte order mark, as a wide save writes it.
std::string Wide(const std::string& latin1) {
    std::string bytes = "\xFF\xFE";
    for (const char c : latin1) {
        if (c == '\n')
            bytes += std::string("\r\0\n\0", 4);
        else
            bytes += std::string{c, '\0'};
    }
    return bytes;
}

class CliDiffTest : public CliTest {};

TEST_F(CliDiffTest, CatalogsThatReadTheSameAreTheSameWhateverTheirBytes) {
    const std::string narrow = WriteCatalog(
        "narrow", "Caf\xE9:Caf\xE9\nCaf\xE9:1:75:white:plain:2:0\n", kSizes, kAttributes);
    const std::string wide =
        WriteCatalog("wide", Wide("Caf\xE9:Caf\xE9\nCaf\xE9:1:75:white:plain::0\n"),
                     "8.5:11:0:0:0:Letter 8.5 x 11 in\r\n210:297:0:0:1:A4 210 x 297 mm\r\n"
                     "9:11:0:0:0:Tab 9 x 11 in\r\n",
                     Wide(kAttributes));
    CliRun run = Run({"diff", narrow, wide});
    // The empty sixth field of the wide one reads as Inserter: the only difference.
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "paper \"Caf\xC3\xA9\": imagedSides 2 -> 0\n");

    Write("wide.cat", Wide("Caf\xE9:Caf\xE9\nCaf\xE9:1:75:white:plain:2:0\n"));
    run = Run({"diff", narrow, wide});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    run = Run({"diff", narrow, wide, "--bytes"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "bytes: the catalog files differ\n"
              "bytes: the attribute files differ\n"
              "bytes: the size-definition files differ\n");
}

TEST_F(CliDiffTest, NamesEachDifferenceOnce) {
    const std::string shop = WriteCatalog("shop", kShop, kSizes, kShopAttributes);
    const std::string store =
        WriteCatalog("store",
                     "Store:A4\n"
                     "Tab:1:75:white:plain:0:0\n"
                     "Letter:1:90:blue:plain:2:0\n"
                     "A4:2:160:blue:cover:1:1\n"
                     "New:3:75:white:plain:2:0\n",
                     "8.5:11:0:0:0:Letter 8.5 x 11 in\n210:297:0:0:1:A4 long\n",
                     "[PaperWeights]\n75\n90\n[PaperTypes]\ncover\nplain\n[PaperColors]\nwhite\n"
                     "blue\n\n");
    const CliRun run = Run({"diff", shop, store});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "header: \"Shop\" -> \"Store\"\n"
              "default paper: \"Letter\" -> \"A4\"\n"
              "paper \"Old\": removed from 3 (Old:1:75:white:plain:2:0)\n"
              "paper \"New\": added at 3 (New:0:75:white:plain:2:0)\n"
              "paper \"Tab\": moved from 2 to 0\n"
              "paper \"Letter\": weight 75 -> 90, colour \"white\" -> \"blue\"\n"
              "weights: removed \"160\"\n"
              "weights: added \"90\"\n"
              "types: the values both hold stand in another order\n"
              "size 1: text \"A4 210 x 297 mm\" -> \"A4 long\"\n"
              "size 2: removed (9:11:0.0:0.0:0:Tab 9 x 11 in)\n");

    // A paper taken from the end to the front is one move, not three.
    const std::string rotated =
        WriteCatalog("rotated",
                     "Shop:Letter\nOld:1:75:white:plain\nLetter:1:75:white:plain:2:0\n"
                     "A4:2:160:blue:cover:1:1\nTab:1:75:white:plain:0:0\n",
                     kSizes, kShopAttributes);
    EXPECT_EQ(Run({"diff", shop, rotated}).out, "paper \"Old\": moved from 3 to 0\n");
}

TEST_F(CliDiffTest, CatalogsThatCannotBeComparedExitWithTwo) {
    const std::string shop = WriteCatalog("shop", kShop, kSizes, kShopAttributes);
    CliRun run = Run({"diff", shop, dir.File("missing.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("missing.cat: cannot open the catalog file"), std::string::npos);
    // Without its attribute file a catalog holds only the stand-in paper: no basis to compare.
    run = Run({"diff", WriteCatalog("bare", kShop, kSizes, ""), shop, "--json"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("bare.cat: not read to its end, so it cannot be compared"),
              std::string::npos);
    EXPECT_EQ(Run({"diff", shop}).exitCode, 2);
}

}  // namespace
}  // namespace sheetwise::testing
