// check: damaged catalogs whose faults are known, and the findings they must give.
#include <algorithm>

#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

class CliCheckTest : public CliTest {
  protected:
    // The findings for one catalog, with the folder taken out of the file names.
    std::string Findings(const std::string& catalog, int expectedExit) {
        const CliRun run = Run({"check", catalog});
        EXPECT_EQ(run.exitCode, expectedExit) << run.out;
        EXPECT_EQ(run.err, "");
        std::string out = run.out;
        const std::string folder = dir.path() + "/";
        for (size_t at = out.find(folder); at != std::string::npos; at = out.find(folder))
            out.erase(at, folder.size());
        return out;
    }
};

TEST_F(CliCheckTest, DroppedPaperLinesAreNamedWithTheirCause) {
    const std::string catalog = WriteCatalog("dropped",
                                             "Dropped:Letter\n"
                                             "Letter:1:75:white:plain:2:0\n"
                                             "Bad Name:1:75:white:plain:2:0\n"
                                             "Short:1:75\n"
                                             "Empty:1::white:plain\n"
                                             "Col:1:75:wh\tite:plain\n"
                                             "Typ:1:75:white:4\xD7"
                                             "6\n"
                                             ":1:75:white:plain\n"
                                             "\n");
    EXPECT_EQ(Findings(catalog, 1),
              "dropped.cat: the editor loads this catalog with status 12 (a name, colour or type "
              "holds a character that is not allowed); opening it shows an error\n"
              "dropped.cat:3: dropped: the name \"Bad Name\" holds ' ' (U+0020) at position 4, "
              "which is not allowed (status 12)\n"
              "dropped.cat:4: dropped: the line ends before its colour field (status 11)\n"
              "dropped.cat:5: dropped: the weight field is empty (status 11)\n"
              "dropped.cat:6: dropped: the colour \"wh\\x09ite\" holds U+0009 at position 3, "
              "which is not allowed (status 12)\n"
              "dropped.cat:7: dropped: the type \"4\xC3\x97"
              "6\" holds '\xC3\x97' (U+00D7) at "
              "position 2, which is not allowed (status 12)\n"
              "dropped.cat:8: skipped: the line starts with ':', so it has no name\n");
}

TEST_F(CliCheckTest, ChangedValuesAreShownAsReadAndAsWritten) {
    const std::string catalog =
        WriteCatalog("changed",
                     "Changed:Letter\r\n"
                     "Letter:1:75:white:plain:2:0\r\n"
                     "A_Name_Of_Forty_Characters_Or_So_12345678:1:75:white:plain:2:0\r\n"
                     "Abc\\x2d1:4:90gsm:white:plain:5:yes:extra\r\n"
                     "Zero:0:*x:a_colour_longer_than_twenty:plain:2:3\r\n"
                     "Empty:1:75:white:plain::1\r\n");
    EXPECT_EQ(Findings(catalog, 1),
              "changed.cat:3: the name \"A_Name_Of_Forty_Characters_Or_So_12345678\" is cut to "
              "32 characters: \"A_Name_Of_Forty_Characters_Or_So\"\n"
              "changed.cat:4: the name \"Abc\\x2d1\" holds escapes: read as \"Abc-1\"\n"
              "changed.cat:4: the size number 4 is out of range (the size-definition file has 3 "
              "sizes): the paper gets no size and is saved with size number 0\n"
              "changed.cat:4: the weight \"90gsm\" is read as 90\n"
              "changed.cat:4: the imaged sides \"5\" are read as 2 (1, 2-Sided)\n"
              "changed.cat:4: the precollated flag \"yes\" is read as 0\n"
              "changed.cat:4: ignored: the text after the seventh field, \"extra\"\n"
              "changed.cat:5: the size number 0 is out of range (the size-definition file has 3 "
              "sizes): the paper gets no size and is saved with size number 0\n"
              "changed.cat:5: the weight \"*x\" is read as * (any weight)\n"
              "changed.cat:5: the colour \"a_colour_longer_than_twenty\" is cut to 20 "
              "characters: \"a_colour_longer_than\"\n"
              "changed.cat:5: the precollated flag 3 is neither 0 nor 1\n"
              "changed.cat:6: the imaged sides \"\" are read as 0 (Inserter)\n"
              "changed.cat:4: the weight \"90\" (used by 1 paper) is not in the weight list of "
              "changed.cat.atr: the editor adds it when it lists the papers\n"
              "changed.cat:5: the colour \"a_colour_longer_than\" (used by 1 paper) is not in "
              "the colour list of changed.cat.atr: the editor adds it when it lists the papers\n");
}

TEST_F(CliCheckTest, DefaultPaperAndDuplicateNames) {
    EXPECT_EQ(Findings(WriteCatalog("nobody", "N:Nobody\nA:1:75:white:plain\n"), 1),
              "nobody.cat:1: no paper carries the default paper name \"Nobody\": the first "
              "paper, \"A\" (line 2), becomes the default and is saved as such\n");
    EXPECT_EQ(Findings(WriteCatalog("twice",
                                    "T:A\nA:1:75:white:plain\nB:1:75:white:plain\n"
                                    "A:2:160:blue:cover\n"),
                       1),
              "twice.cat:4: the name \"A\" is taken already (line 2): finding a paper by this "
              "name gives the first one\n"
              "twice.cat:1: 2 papers carry the default paper name \"A\": the last one, on line "
              "4, is the default\n");
    EXPECT_EQ(Findings(WriteCatalog("unnamed", "Unnamed\nA:1:75:white:plain\n"), 1),
              "unnamed.cat:1: the first line names no default paper: the first paper, \"A\" "
              "(line 2), becomes the default and is saved as such\n");
    const std::string out = Findings(WriteCatalog("badname", "B:A B\nA:1:75:white:plain\n"), 1);
    EXPECT_NE(out.find("badname.cat:1: the default paper name \"A B\" holds ' ' (U+0020) at "
                       "position 2, which is not allowed (status 12)\n"),
              std::string::npos)
        << out;
}

TEST_F(CliCheckTest, SizeFileLinesAreCheckedToo) {
    const std::string catalog = WriteCatalog("sizes", "S:A\nA:1:75:white:plain\n",
                                             "8.5:11:0:0:0:Letter\n"
                                             "  \n"
                                             ":skipped\n"
                                             "9:11:0:0\n"
                                             "x:11:0:0:mm:odd\n"
                                             "5:5:0:0:2:two\n");
    EXPECT_EQ(Findings(catalog, 1),
              "sizes.DEF:2: dropped: the height field is missing or empty (status 4)\n"
              "sizes.DEF:3: skipped: the line starts with ':', so it has no width\n"
              "sizes.DEF:4: dropped: the unit field is missing or empty (status 4)\n"
              "sizes.DEF:5: the width \"x\" holds no number: read as 0\n"
              "sizes.DEF:5: the unit \"mm\" is read as 0\n"
              "sizes.DEF:6: the unit 2 is neither 0 (inches) nor 1 (millimetres): the sizes "
              "list shows no unit\n"
              "sizes.cat: the editor loads this catalog with status 4 (a size line lacks a "
              "field) and reads none of its papers; opening it shows an error\n");
}

TEST_F(CliCheckTest, AttributeFileLinesAreCheckedToo) {
    const std::string catalog = WriteCatalog("atr", "A:A\nA:1:75:white:plain\n", kSizes,
                                             "stray\n"
                                             "[PaperWeights]\n*\n75\n90 : heavy\n75\n300\nabc\n"
                                             "[papertypes]\nplain\n"
                                             "[PaperTypes]\nplain\n"
                                             "[PaperColors]\nwhite\ndark blue\n"
                                             "abcdefghijklmnopqrstuvwxyz\n:x\n\n");
    EXPECT_EQ(Findings(catalog, 1),
              "atr.cat.atr:1: ignored: the value \"stray\" stands before any section header\n"
              "atr.cat.atr:5: the weight \"90 : heavy\" is cut at its ':' and read as \"90 \"\n"
              "atr.cat.atr:5: the weight \"90 \" is neither a number nor \"*\"\n"
              "atr.cat.atr:6: the weight \"75\" is listed again (first on line 4)\n"
              "atr.cat.atr:7: the weight \"300\" lies outside 60..200 gsm: the editor cannot "
              "give it to a paper\n"
              "atr.cat.atr:8: the weight \"abc\" is neither a number nor \"*\"\n"
              "atr.cat.atr:9: unknown section header \"[papertypes]\": the values below it are "
              "ignored (the header must read exactly [PaperTypes])\n"
              "atr.cat.atr:15: the colour \"dark blue\" holds ' ' (U+0020) at position 5, which "
              "is not allowed: no paper can have it\n"
              "atr.cat.atr:16: the colour \"abcdefghijklmnopqrstuvwxyz\" is longer than 20 "
              "characters: a paper keeps only \"abcdefghijklmnopqrst\"\n"
              "atr.cat.atr:17: ignored: the line starts with ':'\n");
}

TEST_F(CliCheckTest, MissingCompanionsAndUnreadableFilesExitWithTwo) {
    const std::string catalog = WriteCatalog("alone", "A:A\nA:1:75:white:plain\n", "", "");
    const std::string before = ListFolder(dir.path());
    EXPECT_EQ(Findings(catalog, 2),
              "alone.DEF: the size-definition file cannot be opened (status 2): the catalog's "
              "attribute file and papers are not read\n"
              "alone.cat.atr: the attribute file cannot be opened (status 2): the catalog's "
              "papers are not read\n"
              "alone.cat: the editor loads this catalog with status 2 (the size-definition or "
              "attribute file cannot be opened) and reads none of its papers; opening it shows "
              "an error\n");
    EXPECT_EQ(ListFolder(dir.path()), before);
    EXPECT_EQ(Findings(dir.File("missing.cat"), 2),
              "missing.cat: the catalog file cannot be opened\n");
}

TEST_F(CliCheckTest, LinesTooLongToReadStopTheReader) {
    const std::string catalog = WriteCatalog(
        "long", "L:A\nA:1:75:white:plain\n" + std::string(2048, 'x') + "\nB:1:75:white:plain\n");
    EXPECT_EQ(Findings(catalog, 1),
              "long.cat: the editor loads this catalog with status 7 (the catalog file has no "
              "first line, or a line too long to read); opening it shows an error\n"
              "long.cat:3: the line is longer than 2047 bytes: reading stops here (status 7), "
              "this paper and all after it are lost\n");
    // 2047 bytes are still a line.
    const std::string fits =
        WriteCatalog("fits", "F:A\nA:1:75:white:plain\n:" + std::string(2046, 'x') + "\n");
    EXPECT_EQ(Findings(fits, 1),
              "fits.cat:3: skipped: the line starts with ':', so it has no name\n");
    EXPECT_EQ(Findings(WriteCatalog("empty", ""), 1),
              "empty.cat: the editor loads this catalog with status 7 (the catalog file has no "
              "first line, or a line too long to read); opening it shows an error\n"
              "empty.cat: the file is empty: it has no first line (status 7)\n");
}

// A clean catalog gives no finding (the installed one is checked in ExecutableTest); several
// give the worst exit status.
TEST_F(CliCheckTest, SeveralCatalogsGiveTheWorstExitStatus) {
    const std::string clean =
        WriteCatalog("clean", "C:A\nA:1:75:white:plain:2:0\nT:3:*:*:tab:0:1\n");
    const std::string damaged = WriteCatalog("damaged", "D:A\nA:1:75:white:plain\nB B:1:75:w:p\n");
    CliRun run = Run({"check", clean, damaged});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.find(clean), std::string::npos);
    EXPECT_NE(run.out.find(damaged + ":3: dropped"), std::string::npos);
    run = Run({"check", clean, damaged, dir.File("missing.cat")});
    EXPECT_EQ(run.exitCode, 2);
}

// Findings are printed as they are found, at most --max of each file; the rest are counted.
TEST_F(CliCheckTest, MaxLimitsTheFindingsPrintedPerFile) {
    const std::string catalog = WriteCatalog("many", "M:A\nA:1:75:white:plain\nB:1\nC:1\nD:1\n",
                                             "8.5:11:0:0:0:Letter\n1:1:0:0:7:odd\n2:2:0:0:8:odd\n");
    EXPECT_EQ(Findings(catalog, 1),
              "many.DEF:2: the unit 7 is neither 0 (inches) nor 1 (millimetres): the sizes list "
              "shows no unit\n"
              "many.DEF:3: the unit 8 is neither 0 (inches) nor 1 (millimetres): the sizes list "
              "shows no unit\n"
              "many.cat: the editor loads this catalog with status 11 (a paper line lacks a "
              "field); opening it shows an error\n"
              "many.cat:3: dropped: the line ends before its weight field (status 11)\n"
              "many.cat:4: dropped: the line ends before its weight field (status 11)\n"
              "many.cat:5: dropped: the line ends before its weight field (status 11)\n");
    CliRun run = Run({"check", "--max", "1", catalog});
    EXPECT_EQ(run.exitCode, 1);
    const std::string folder = dir.path() + "/";
    EXPECT_EQ(run.out,
              folder + "many.DEF:2: the unit 7 is neither 0 (inches) nor 1 (millimetres): the " +
                  "sizes list shows no unit\n" + folder +
                  "many.DEF: 1 more findings not printed (--max 1)\n" + catalog +
                  ": the editor loads this catalog with status 11 (a paper line lacks a field); " +
                  "opening it shows an error\n" + catalog +
                  ": 3 more findings not printed (--max 1)\n");
    run = Run({"check", "--max=0", catalog});
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 6);
}

}  // namespace
}  // namespace sheetwise::testing
