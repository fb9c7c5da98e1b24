// convert: a catalog opened and saved under a name as the editor does it; the writers' own form
// is pinned in tests/formats, and that the bytes are the editor's in tests/ui/window, so here
// only what convert refuses and what it does with the files at the target.
#include <sys/stat.h>

#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

using CliConvertTest = CliTest;

// CR LF line ends, an escape, a unit after a number, a sign, a field too many: the source is
// left as it was, its size-definition file copied, named as the editor names it. The lists take
// in every value the papers use, as the editor's lists do when it shows the papers.
TEST_F(CliConvertTest, WritesTheFormTheEditorSaves) {
    const std::string hand =
        "Hand:A_B\r\nLetter:01:75gsm:white:plain\r\nA\\x5fB:2:160:blue:cover:1:+1\r\n"
        "Tabs:3:*:*:tab:0:0:extra\r\n";
    const std::string catalog = WriteCatalog(
        "hand", hand, kSizes, "[PaperColors]\r\nwhite\r\nblue:dark\r\n[Unknown]\r\nzzz\r\n");
    EXPECT_EQ(Run({"convert", catalog, "--out", dir.File("clean.cat")}), (CliRun{0, "", ""}));
    EXPECT_EQ(Read("clean.cat"),
              "Hand:A_B\nLetter:1:75:white:plain:2:0\nA_B:2:160:blue:cover:1:1\n"
              "Tabs:3:0:*:tab:0:0\n");
    EXPECT_EQ(Read("clean.cat.atr"),
              "[PaperWeights]\n75\n160\n*\n[PaperTypes]\nplain\ncover\ntab\n"
              "[PaperColors]\nwhite\nblue\n*\n\n");
    EXPECT_EQ(Read("clean.def"), kSizes);
    EXPECT_EQ(Read("hand.cat"), hand);
}

// A catalog the reader dropped or changed lines of is written only when asked to drop them;
// either way check's findings name the lines. One whose papers would be lost is never written,
// least of all over itself.
TEST_F(CliConvertTest, WritesOnlyCatalogsReadToTheirEndAndCleanUnlessAskedToDrop) {
    const std::string damaged =
        WriteCatalog("damaged", "D:A\nA:1:75:white:plain:2:0\nB:1:75\nC:2:160:blue:cover:1:0\n");
    ExpectFailure({"convert", damaged, "--out", dir.File("fixed.cat")}, 1,
                  {"damaged.cat:3: dropped", "fixed.cat: not written"});
    EXPECT_EQ(ListFolder(dir.path()).find("fixed."), std::string::npos);
    RunExpecting({"convert", damaged, "--drop-bad-lines", "--out", dir.File("fixed.cat")}, 1,
                 {"damaged.cat:3: dropped"});
    EXPECT_EQ(Read("fixed.cat"), "D:A\nA:1:75:white:plain:2:0\nC:2:160:blue:cover:1:0\n");

    // CR line ends only: the reader sees one header line.
    const std::string crOnly = "CR:A\rA:1:75:white:plain:2:0\rB:2:160:blue:cover:1:0\r";
    const std::string mac = WriteCatalog("mac", crOnly);
    EXPECT_EQ(Run({"convert", mac, "--out", mac}).exitCode, 1);
    EXPECT_EQ(Read("mac.cat"), crOnly);
    // A line too long to read: the papers after it would be lost, whatever is asked.
    const std::string tooLong =
        "L:A\nA:1:75:white:plain:2:0\n" + std::string(3000, 'x') + "\nB:1:75:w:p\n";
    const std::string longCatalog = WriteCatalog("long", tooLong);
    ExpectFailure({"convert", longCatalog, "--drop-bad-lines", "--out", longCatalog}, 1,
                  {"long.cat: not written"});
    EXPECT_EQ(Read("long.cat"), tooLong);
}

// As Save As: a catalog is written over itself, or over any file there, only with --force; a
// size-definition file in any letter case counts as there and is not touched; the attribute file
// is copied from the source's read-only one, made writable, then written over; a set with a file
// that cannot be written is not written. Names whose companions would be lost are refused.
TEST_F(CliConvertTest, FilesAtTheTargetAreTreatedAsSaveAsTreatsThem) {
    const std::string catalog = WriteCatalog("src", "S:A\r\nA:1:75gsm:white:plain\r\n");
    EXPECT_EQ(Run({"convert", catalog, "-o", catalog}),
              (CliRun{2, "", "sheetwise-cli: src.cat: exists; --force replaces it\n"}));
    Write("Other.cat", "old\n");
    EXPECT_EQ(Run({"convert", catalog, "-o", dir.File("OTHER.cat")}).exitCode, 2);
    EXPECT_EQ(Read("Other.cat") + Read("src.cat"), "old\nS:A\r\nA:1:75gsm:white:plain\r\n");
    EXPECT_EQ(Run({"convert", catalog, "-o", catalog, "--force"}), (CliRun{0, "", ""}));
    EXPECT_EQ(Read("src.cat"), "S:A\nA:1:75:white:plain:2:0\n");
    chmod(dir.File("src.cat.atr").c_str(), 0400);
    Write("DST.DEF", "1:2:0:0:1:Tiny\n");
    EXPECT_EQ(Run({"convert", catalog, "-o", dir.File("dst.cat")}), (CliRun{0, "", ""}));
    EXPECT_EQ(Read("DST.DEF"), "1:2:0:0:1:Tiny\n");
    EXPECT_EQ(ModeOf(dir.File("dst.cat.atr")), 0600u);
    EXPECT_EQ(Read("dst.cat.atr"), Read("src.cat.atr"));

    Write("locked.cat", "old\n");
    Write("half.cat.atr", "old\n");
    chmod(dir.File("locked.cat").c_str(), 0444);
    chmod(dir.File("half.cat.atr").c_str(), 0444);
    EXPECT_EQ(Run({"convert", catalog, "-o", dir.File("locked.cat"), "--force"}),
              (CliRun{2, "",
                      "sheetwise-cli: Save As paper catalog operation cannot be completed. "
                      "(Cannot write locked.cat: the file is read-only.)\n"}));
    EXPECT_EQ(Run({"convert", catalog, "-o", dir.File("half.cat")}),
              (CliRun{2, "",
                      "sheetwise-cli: Save As attributes operation cannot be completed. (Cannot "
                      "write half.cat.atr: the file is read-only. The catalog file was not "
                      "written either: the two are saved together or not at all.)\n"}));
    EXPECT_EQ(Read("locked.cat") + Read("half.cat.atr"), "old\nold\n");
    for (const std::string& name : {dir.File("newcat"), dir.File("dir.x/office"), std::string("-")})
        ExpectFailure({"convert", catalog, "-o", name}, 2,
                      {"its companion files would not be found"});
    EXPECT_EQ(ListFolder(dir.path()),
              ".sheetwise.lock DST.DEF Other.cat dst.cat dst.cat.atr half.cat.atr locked.cat "
              "src.DEF src.cat src.cat.atr ");
}

}  // namespace
}  // namespace sheetwise::testing
