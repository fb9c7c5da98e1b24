// convert: a catalog written again the way the editor's Save As writes it.
#include <sys/stat.h>

#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

// A catalog as an operator edits it by hand: CR LF line ends, an escape, units after numbers,
// a sign, a field too many, a name too long, an imaged-sides code the reader does not know.
constexpr const char* kHandEdited =
    "Hand:A4_Cover\r\n"
    "Letter:01:75gsm:white:plain\r\n"
    "A4\\x5fCover:2:160:blue:cover:1:+1\r\n"
    "Tabs:3:*:*:tab:0:0:extra\r\n"
    "Too_Long_Name_For_The_Catalog_Reader_X:1:90:white:plain:7:0\r\n";

constexpr const char* kHandEditedAttributes =
    "[PaperColors]\r\nwhite\r\nblue:dark\r\n[PaperWeights]\r\n*\r\n75\r\n[Unknown]\r\nzzz\r\n"
    "[PaperTypes]\r\nplain\r\ncover\r\ntab\r\n";

class CliConvertTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        oldMask_ = umask(022);
    }
    void TearDown() override { umask(oldMask_); }

    static mode_t Mode(const std::string& path) {
        struct stat info;
        return stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
    }

  private:
    mode_t oldMask_ = 0;
};

TEST_F(CliConvertTest, WritesTheFormTheEditorSaves) {
    const std::string catalog = WriteCatalog("hand", kHandEdited, kSizes, kHandEditedAttributes);
    const CliRun run = Run({"convert", catalog, "--out", dir.File("clean.cat")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Read("clean.cat"),
              "Hand:A4_Cover\n"
              "Letter:1:75:white:plain:2:0\n"
              "A4_Cover:2:160:blue:cover:1:1\n"
              "Tabs:3:0:*:tab:0:0\n"
              "Too_Long_Name_For_The_Catalog_Re:1:90:white:plain:2:0\n");
    EXPECT_EQ(Read("clean.cat.atr"),
              "[PaperWeights]\n*\n75\n[PaperTypes]\nplain\ncover\ntab\n[PaperColors]\nwhite\n"
              "blue\n\n");
    // The size-definition file is copied, named as the editor names it.
    EXPECT_EQ(Read("clean.def"), kSizes);
    // The source is left as it was.
    EXPECT_EQ(Read("hand.cat"), kHandEdited);
}

TEST_F(CliConvertTest, CompanionsBesideTheNewCatalogAreTreatedAsSaveAsTreatsThem) {
    const std::string catalog = WriteCatalog("src", "S:A\nA:1:75:white:plain:2:0\n");
    chmod(dir.File("src.cat.atr").c_str(), 0400);
    WriteBytes(dir.File("DST.DEF"), "kept\n");
    const CliRun run = Run({"convert", catalog, "--out", dir.File("dst.cat")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // A size-definition file in any letter case counts as there and is not touched.
    EXPECT_EQ(Read("DST.DEF"), "kept\n");
    EXPECT_EQ(ListFolder(dir.path()), "DST.DEF dst.cat dst.cat.atr src.DEF src.cat src.cat.atr ");
    // The attribute file was copied from the source's (read-only) one and made writable, then
    // written over.
    EXPECT_EQ(Mode(dir.File("dst.cat.atr")), 0600u);
    EXPECT_EQ(Read("dst.cat.atr"), kAttributes);
}

// A catalog the reader dropped or changed lines of is written only when asked to drop them;
// either way check's findings name the lines. One whose papers would be lost is never written.
TEST_F(CliConvertTest, WritesOnlyCatalogsReadToTheirEndAndCleanUnlessAskedToDrop) {
    const std::string damaged =
        WriteCatalog("damaged", "D:A\nA:1:75:white:plain:2:0\nB:1:75\nC:2:160:blue:cover:1:0\n");
    CliRun run = Run({"convert", damaged, "--out", dir.File("fixed.cat")});
    EXPECT_EQ(run.exitCode, 1);
    ExpectNoCatalog("fixed");
    EXPECT_NE(run.err.find("damaged.cat:3: dropped"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("fixed.cat: not written"), std::string::npos);
    run = Run({"convert", damaged, "--drop-bad-lines", "--out", dir.File("fixed.cat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Read("fixed.cat"), "D:A\nA:1:75:white:plain:2:0\nC:2:160:blue:cover:1:0\n");
    EXPECT_NE(run.err.find("status 11"), std::string::npos);
    EXPECT_NE(run.err.find("damaged.cat:3: dropped"), std::string::npos);

    // CR line ends only: the reader sees one header line. Converted onto itself it stays.
    const std::string crOnly =
        "CR:A\rA:1:75:white:plain:2:0\rB:2:160:blue:cover:1:0\rC:3:*:*:tab:0:0\r";
    const std::string mac = WriteCatalog("mac", crOnly);
    run = Run({"convert", mac, "--out", mac});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Read("mac.cat"), crOnly);
    EXPECT_NE(run.err.find("mac.cat:1:"), std::string::npos) << run.err;

    // No attribute file: the reader reads no paper at all.
    const std::string noAttributes =
        WriteCatalog("noatr", "N:A\nA:1:75:white:plain:2:0\n", kSizes, "");
    run = Run({"convert", noAttributes, "--drop-bad-lines", "--out", dir.File("out.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("out.cat: not written"), std::string::npos);
    // A line too long to read: the papers after it would be lost.
    const std::string tooLong = WriteCatalog(
        "long", "L:A\nA:1:75:white:plain:2:0\n" + std::string(3000, 'x') + "\nB:1:75:w:p\n");
    run = Run({"convert", tooLong, "--drop-bad-lines", "--out", dir.File("out.cat")});
    EXPECT_EQ(run.exitCode, 1);
    ExpectNoCatalog("out");
}

TEST_F(CliConvertTest, AnExistingTargetIsReplacedOnlyWhenWritable) {
    const std::string catalog = WriteCatalog("self", "Self:A\r\nA:1:75gsm:white:plain\r\n");
    CliRun run = Run({"convert", catalog, "--out", catalog});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Read("self.cat"), "Self:A\nA:1:75:white:plain:2:0\n");
    EXPECT_EQ(Read("self.DEF"), kSizes);

    WriteBytes(dir.File("locked.cat"), "old\n");
    chmod(dir.File("locked.cat").c_str(), 0444);
    run = Run({"convert", catalog, "--out", dir.File("locked.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("locked.cat: cannot write the catalog file"), std::string::npos);
    EXPECT_EQ(Read("locked.cat"), "old\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("locked.cat.atr")));

    // The new catalog's attribute file cannot be written: neither file is.
    WriteBytes(dir.File("half.cat.atr"), "[PaperTypes]\nold\n");
    chmod(dir.File("half.cat.atr").c_str(), 0444);
    run = Run({"convert", catalog, "--out", dir.File("half.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("half.cat.atr: cannot write the attribute file"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("half.cat")));
    EXPECT_EQ(Read("half.cat.atr"), "[PaperTypes]\nold\n");
}

}  // namespace
}  // namespace sheetwise::testing
