// diff: catalogs that differ in each way, catalogs that read the same from other bytes, and the
// exit statuses.
#include <regex>
#include <sstream>

#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

constexpr const char* kShop =
    "Shop:Letter\nLetter:1:75:white:plain:2:0\nA4:2:160:blue:cover:1:1\nTab:1:75:white:plain:0:0\n"
    "Old:1:75:white:plain\n";

constexpr const char* kShopAttributes =
    "[PaperWeights]\n75\n160\n[PaperTypes]\nplain\ncover\n[PaperColors]\nwhite\nblue\n\n";

using CliDiffTest = CliTest;

// A catalog "B:P0" of these papers (their names, a word each), all alike but for their names.
std::string Plain(const std::string& names) {
    std::istringstream words(names);
    std::string catalog = "B:P0\n";
    for (std::string name; words >> name;)
        catalog += name + ":1:75:white:plain:2:0\n";
    return catalog;
}

// UTF-16 with CR LF or ANSI with LF: the same. The sixth field empty reads as 0 (Inserter),
// absent as 2 (1, 2-Sided): not the same.
TEST_F(CliDiffTest, CatalogsThatReadTheSameAreTheSameWhateverTheirBytes) {
    const std::string narrow =
        WriteCatalog("narrow", "Caf\xE9:Caf\xE9\nCaf\xE9:1:75:white:plain\n");
    const std::string wide = WriteCatalog(
        "wide", WideFile(u"Caf\u00e9:Caf\u00e9\nCaf\u00e9:1:75:white:plain::0\n"),
        std::regex_replace(kSizes, std::regex("\n"), "\r\n"), WideFile(Utf8ToUtf16(kAttributes)));
    const std::string header = "--- narrow.cat\n+++ wide.cat\n";
    EXPECT_EQ(Run({"diff", narrow, wide}),
              (CliRun{1, header + "paper \"Caf\xC3\xA9\": imagedSides 2 -> 0\n", ""}));
    Write("wide.cat", WideFile(u"Caf\u00e9:Caf\u00e9\nCaf\u00e9:1:75:white:plain:2:0\n"));
    EXPECT_EQ(Run({"diff", narrow, wide}), (CliRun{0, header + "same\n", ""}));
    EXPECT_EQ(
        Run({"diff", narrow, wide, "--bytes"}),
        (CliRun{0,
                header + "bytes: the catalog files differ\nbytes: the attribute files differ\n"
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
                      "--- shop.cat\n+++ store.cat\n"
                      "header: \"Shop\" -> \"Store\"\ndefault paper: \"Letter\" -> \"A4\"\n"
                      "paper \"Old\": removed from 4 (Old:1:75:white:plain:2:0)\n"
                      "paper \"New\": added at 4 (New:0:75:white:plain:2:0)\n"
                      "paper \"Tab\": moved from 3 to 1\n"
                      "paper \"Letter\": weight 75 -> 90, colour \"white\" -> \"blue\"\n"
                      "paper \"A4\": precollated 1 -> 0\n"
                      "weights: removed \"160\"\nweights: added \"90\"\n"
                      "types: the values both hold stand in another order\n"
                      "size 2: text \"A4 210 x 297 mm\" -> \"A4 long\"\n"
                      "size 3: removed (9:11:0.0:0.0:0:Tab 9 x 11 in)\n",
                      ""}));
    // A paper taken from the end to the front is one move, not three.
    const std::string rotated =
        WriteCatalog("rotated",
                     "Shop:Letter\nOld:1:75:white:plain\nLetter:1:75:white:plain:2:0\n"
                     "A4:2:160:blue:cover:1:1\nTab:1:75:white:plain:0:0\n",
                     kSizes, kShopAttributes);
    EXPECT_EQ(Run({"diff", shop, rotated, "--stat"}),
              (CliRun{1, "shop.cat -> rotated.cat: 0 added, 0 removed, 0 changed, 1 moved\n", ""}));
    // Catalogs that cannot be compared exit with 2.
    EXPECT_EQ(Run({"diff", shop, dir.File("missing.cat")}).exitCode, 2);
    // Without its attribute file a catalog holds only the stand-in paper: no basis to compare.
    ExpectFailure({"diff", WriteCatalog("bare", kShop, kSizes, ""), shop, "--json"}, 2,
                  {"bare.cat: not read to its end, so it cannot be compared"});
}

// Each catalog against the first, named in every form; one that cannot be read does not stop the
// others, but sets the exit status.
TEST_F(CliDiffTest, ComparesEachCatalogWithTheGoldenOneAndNamesBoth) {
    const std::string golden = WriteCatalog("golden", kShop, kSizes, kShopAttributes);
    const std::string same = WriteCatalog("same", kShop, kSizes, kShopAttributes);
    std::string changedText = kShop;
    changedText.replace(changedText.find("A4:2:160"), 8, "A4:2:90");
    changedText += "Extra:1:75:white:plain:2:0\n";
    const std::string changed = WriteCatalog("changed", changedText, kSizes, kShopAttributes);

    CliRun run =
        RunExpecting({"diff", golden, same, changed, dir.File("missing.cat")}, 2, {"missing.cat"});
    EXPECT_EQ(run.out,
              "--- golden.cat\n+++ same.cat\nsame\n--- golden.cat\n+++ changed.cat\n"
              "paper \"Extra\": added at 5 (Extra:1:75:white:plain:2:0)\n"
              "paper \"A4\": weight 160 -> 90\n");
    EXPECT_EQ(Run({"diff", golden, same, changed, "--stat"}),
              (CliRun{1,
                      "golden.cat -> same.cat: same\n"
                      "golden.cat -> changed.cat: 1 added, 0 removed, 1 changed, 0 moved\n",
                      ""}));
    EXPECT_EQ(Run({"diff", golden, same, "--quiet"}), (CliRun{0, "", ""}));
    EXPECT_EQ(Run({"diff", golden, changed, same, "--quiet"}), (CliRun{1, "", ""}));
    // One compact document a line, each naming the golden catalog and the other.
    run = Run({"diff", golden, same, changed, "--json", "--compact"});
    EXPECT_EQ(run.exitCode, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_THAT(lines[0], ::testing::StartsWith(
                              "{\"golden\":\"golden.cat\",\"file\":\"same.cat\",\"same\":true,"
                              "\"counts\":{\"added\":0,\"removed\":0,\"changed\":0,\"moved\":0}"));
    EXPECT_THAT(lines[1], ::testing::StartsWith(
                              "{\"golden\":\"golden.cat\",\"file\":\"changed.cat\",\"same\":false,"
                              "\"counts\":{\"added\":1,\"removed\":0,\"changed\":1,\"moved\":0}"));
    EXPECT_EQ(Run({"diff", golden, same, "--stat", "--quiet"}).exitCode, 2);
}

// A paper before Legal removed and Tab moved up past Legal leave Legal where it stood: Tab is
// the paper that moved, and is the one named, at the rows the editor shows.
TEST_F(CliDiffTest, NamesThePaperThatMovedAtTheRowsTheEditorShows) {
    const std::string before = WriteCatalog("before", Plain("P0 A Gone C Legal Tab"));
    const std::string after = WriteCatalog("after", Plain("P0 A C Tab Legal"));
    EXPECT_EQ(Run({"diff", before, after}),
              (CliRun{1,
                      "--- before.cat\n+++ after.cat\n"
                      "paper \"Gone\": removed from 3 (Gone:1:75:white:plain:2:0)\n"
                      "paper \"Tab\": moved from 6 to 4\n",
                      ""}));
    EXPECT_THAT(Compact(Run({"diff", before, after, "--json"}).out),
                HasSubstr("\"moved\":[{\"name\":\"Tab\",\"from\":5,\"to\":3}]"));
    // The other way round: X moved down past Legal, and a paper added before both.
    const std::string down = WriteCatalog("down", Plain("P0 X Legal"));
    const std::string moved = WriteCatalog("moved", Plain("New P0 Legal X"));
    EXPECT_EQ(Run({"diff", down, moved}).out,
              "--- down.cat\n+++ moved.cat\npaper \"New\": added at 1 (New:1:75:white:plain:2:0)\n"
              "paper \"X\": moved from 2 to 4\n");
}

}  // namespace
}  // namespace sheetwise::testing
