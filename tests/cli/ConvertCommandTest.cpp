// convert: a catalog written again the way the editor's Save As writes it; the writers' own
// form is pinned in tests/formats, so here only that it is theirs, and what convert refuses.
#include <sys/stat.h>

#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

class CliConvertTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        oldMask_ = umask(022);
    }
    void TearDown() override { umask(oldMask_); }

  private:
    mode_t oldMask_ = 0;
};

// CR LF line ends, an escape, a unit after a number, a sign, a field too many: the source is
// left as it was, its size-definition file copied, named as the editor names it.
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
              "[PaperWeights]\n[PaperTypes]\n[PaperColors]\nwhite\nblue\n\n");
    EXPECT_EQ(Read("clean.def"), kSizes);
    EXPECT_EQ(Read("hand.cat"), hand);
}

// A size-definition file in any letter case counts as there and is not touched; the attribute
// file is copied from the source's read-only one, made writable, then written over.
TEST_F(CliConvertTest, CompanionsBesideTheNewCatalogAreTreatedAsSaveAsTreatsThem) {
    const std::string catalog = WriteCatalog("src", "S:A\nA:1:75:white:plain:2:0\n");
    chmod(dir.File("src.cat.atr").c_str(), 0400);
    Write("DST.DEF", "kept\n");
    EXPECT_EQ(Run({"convert", catalog, "--out", dir.File("dst.cat")}), (CliRun{0, "", ""}));
    EXPECT_EQ(Read("DST.DEF"), "kept\n");
    EXPECT_EQ(ListFolder(dir.path()), "DST.DEF dst.cat dst.cat.atr src.DEF src.cat src.cat.atr ");
    EXPECT_EQ(ModeOf(dir.File("dst.cat.atr")), 0600u);
    EXPECT_EQ(Read("dst.cat.atr"), kAttributes);
}

// A catalog the reader dropped or changed lines of is written only when asked to drop them;
// either way check's findings name the lines. One whose papers would be lost is never written,
// least of all over itself.
TEST_F(CliConvertTest, WritesOnlyCatalogsReadToTheirEndAndCleanUnlessAskedToDrop) {
    const std::string damaged =
        WriteCatalog("damaged", "D:A\nA:1:75:white:plain:2:0\nB:1:75\nC:2:160:blue:cover:1:0\n");
    CliRun run = Run({"convert", damaged, "--out", dir.File("fixed.cat")});
    EXPECT_EQ(run.exitCode, 1);
    ExpectNoCatalog("fixed");
    EXPECT_THAT(run.err, HasSubstr("damaged.cat:3: dropped"));
    EXPECT_THAT(run.err, HasSubstr("fixed.cat: not written"));
    run = Run({"convert", damaged, "--drop-bad-lines", "--out", dir.File("fixed.cat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Read("fixed.cat"), "D:A\nA:1:75:white:plain:2:0\nC:2:160:blue:cover:1:0\n");
    EXPECT_THAT(run.err, HasSubstr("damaged.cat:3: dropped"));

    // CR line ends only: the reader sees one header line.
    const std::string crOnly = "CR:A\rA:1:75:white:plain:2:0\rB:2:160:blue:cover:1:0\r";
    const std::string mac = WriteCatalog("mac", crOnly);
    EXPECT_EQ(Run({"convert", mac, "--out", mac}).exitCode, 1);
    EXPECT_EQ(Read("mac.cat"), crOnly);
    // No attribute file: no paper read. A line too long to read: the papers after it lost.
    const std::string noAttributes = WriteCatalog("noatr", "N:A\nA:1:75:white:plain\n", kSizes, "");
    run = Run({"convert", noAttributes, "--drop-bad-lines", "--out", noAttributes});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("noatr.cat: not written"));
    EXPECT_EQ(Read("noatr.cat"), "N:A\nA:1:75:white:plain\n");
    const std::string tooLong =
        "L:A\nA:1:75:white:plain:2:0\n" + std::string(3000, 'x') + "\nB:1:75:w:p\n";
    const std::string longCatalog = WriteCatalog("long", tooLong);
    EXPECT_EQ(Run({"convert", longCatalog, "--drop-bad-lines", "--out", longCatalog}).exitCode, 1);
    EXPECT_EQ(Read("long.cat"), tooLong);
}

TEST_F(CliConvertTest, AnExistingTargetIsReplacedOnlyWhenWritable) {
    const std::string catalog = WriteCatalog("self", "Self:A\r\nA:1:75gsm:white:plain\r\n");
    EXPECT_EQ(Run({"convert", catalog, "--out", catalog}), (CliRun{0, "", ""}));
    EXPECT_EQ(Read("self.cat"), "Self:A\nA:1:75:white:plain:2:0\n");

    Write("locked.cat", "old\n");
    chmod(dir.File("locked.cat").c_str(), 0444);
    CliRun run = Run({"convert", catalog, "--out", dir.File("locked.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("locked.cat: cannot write the catalog file"));
    EXPECT_EQ(Read("locked.cat"), "old\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("locked.cat.atr")));

    // The new catalog's attribute file cannot be written: neither file is.
    Write("half.cat.atr", "[PaperTypes]\nold\n");
    chmod(dir.File("half.cat.atr").c_str(), 0444);
    run = Run({"convert", catalog, "--out", dir.File("half.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("half.cat.atr: cannot write the attribute file"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("half.cat")));
    EXPECT_EQ(Read("half.cat.atr"), "[PaperTypes]\nold\n");
}

}  // namespace
}  // namespace sheetwise::testing
