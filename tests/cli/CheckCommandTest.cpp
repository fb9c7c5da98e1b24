// check: damaged catalogs whose faults are known, and the findings they must give.
#include <algorithm>
#include <set>

#include "CliTestSupport.h"
#include "cli/FindingCodes.h"

namespace sheetwise::testing {
namespace {

class CliCheckTest : public CliTest {
  protected:
    // What check prints for these arguments; it prints nothing else.
    std::string Findings(std::vector<std::string> arguments, int exitCode) {
        arguments.insert(arguments.begin(), "check");
        const CliRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.out;
        EXPECT_EQ(run.err, "");
        return run.out;
    }
};

TEST_F(CliCheckTest, DroppedPaperLinesAreNamedWithTheirCauseLinesTooLongToReadStopTheReader) {
    const std::string catalog = WriteCatalog("d",
                                             "D:Letter\nLetter:1:75:white:plain:2:0\nShort:1:75\n"
                                             "Empty:1::white:plain\nCol:1:75:wh\t\"ite:plain\n"
                                             "Typ:1:75:white:4\xD7"
                                             "6\n\n");
    EXPECT_EQ(
        Findings({catalog}, 1),
        "d.cat: the editor loads this catalog with status 12 (a name, colour or type holds "
        "a character that is not allowed); opening it shows an error\n"
        "d.cat:3: dropped: the line ends before its colour field (status 11)\n"
        "d.cat:4: dropped: the weight field is empty (status 11)\n"
        "d.cat:5: dropped: the colour \"wh\\x09\\\"ite\" holds U+0009 at position 3, which is "
        "not allowed (status 12)\n"
        "d.cat:6: dropped: the type \"4\xC3\x97"
        "6\" holds '\xC3\x97' (U+00D7) at position 2, which is not allowed (status 12)\n");
    const std::string status7 =
        ".cat: the editor loads this catalog with status 7 (the catalog file has no first line, "
        "a line too long to read, or more than 64 MiB); opening it shows an error\n";
    EXPECT_EQ(Findings({WriteCatalog("long", "L:A\nA:1:75:white:plain\n" + std::string(2048, 'x') +
                                                 "\nB:1:75:white:plain\n")},
                       1),
              "long" + status7 +
                  "long.cat:3: the line is longer than 2047 bytes: reading stops here (status 7), "
                  "this paper and all after it are lost\n");
    EXPECT_EQ(
        Findings({WriteCatalog("empty", "")}, 1),
        "empty" + status7 + "empty.cat: the file is empty: it has no first line (status 7)\n");
}

// Field 6 empty is read as 0 (Inserter); absent (line 2), as 2 without a finding.
TEST_F(CliCheckTest, ChangedValuesAreShownAsReadAndAsWritten) {
    const std::string catalog = WriteCatalog("c",
                                             "C:Letter\r\nLetter:1:75:white:plain\r\n"
                                             "Abc\\x2d1:4:90gsm:white:plain:2:0:extra\r\n"
                                             "Zero:1:*x:white:plain:2:3\r\n"
                                             "Name_Of_Forty_Characters_Or_So_123456789:1:75:white:"
                                             "plain::1\r\n");
    EXPECT_EQ(
        Findings({catalog}, 1),
        "c.cat:3: the name \"Abc\\x2d1\" holds escapes: read as \"Abc-1\"\n"
        "c.cat:3: the size number 4 is out of range (the size-definition file has 3 sizes): "
        "the paper gets no size and is saved with size number 0\n"
        "c.cat:3: the weight \"90gsm\" is read as 90\n"
        "c.cat:3: ignored: the text after the seventh field, \"extra\"\n"
        "c.cat:4: the weight \"*x\" is read as * (any weight)\n"
        "c.cat:4: the precollated flag 3 is neither 0 nor 1\n"
        "c.cat:5: the name \"Name_Of_Forty_Characters_Or_So_123456789\" is cut to 32 "
        "characters: \"Name_Of_Forty_Characters_Or_So_1\"\n"
        "c.cat:5: the imaged sides \"\" are read as 0 (Inserter)\n"
        "c.cat:3: the weight \"90\" (used by 1 paper) is not in the weight list of c.cat.atr: "
        "the editor adds it when it lists the papers\n");
}

TEST_F(CliCheckTest, DefaultPaperAndDuplicateNames) {
    EXPECT_EQ(Findings({WriteCatalog("n", "N:Nobody\nA:1:75:white:plain\n")}, 1),
              "n.cat:1: no paper carries the default paper name \"Nobody\": the first paper, \"A\" "
              "(line 2), becomes the default and is saved as such\n");
    EXPECT_EQ(
        Findings({WriteCatalog(
                     "t", "T:A\nA:1:75:white:plain\nB:1:75:white:plain\nA:2:160:blue:cover\n")},
                 1),
        "t.cat:4: the name \"A\" is taken already (line 2): finding a paper by this name "
        "gives the first one\n"
        "t.cat:1: 2 papers carry the default paper name \"A\": the last one, on line 4, is "
        "the default\n");
    EXPECT_EQ(Findings({WriteCatalog("u", "Unnamed\nA:1:75:white:plain\n")}, 1),
              "u.cat:1: the first line names no default paper: the first paper, \"A\" (line 2), "
              "becomes the default and is saved as such\n");
    EXPECT_THAT(Findings({WriteCatalog("b", "B:A B\nA:1:75:white:plain\n")}, 1),
                HasSubstr("b.cat:1: the default paper name \"A B\" holds ' ' (U+0020) at position "
                          "2, which is not allowed (status 12)\n"));
}

// The companions are read first, as the catalog is read against them.
TEST_F(CliCheckTest, CompanionFileLinesAreCheckedToo) {
    const std::string catalog =
        WriteCatalog("c", "S:A\nA:1:75:white:plain\n",
                     "8.5:11:0:0:0:Letter\n  \nx:11:0:0:mm:odd\n5:5:0:0:2:two\n",
                     "stray\n[PaperWeights]\n*\n75\n90 : heavy\n75\n300\n[papertypes]\nplain\n"
                     "[PaperTypes]\nplain\n[PaperColors]\nwhite\ndark blue\n"
                     "abcdefghijklmnopqrstuvwxyz\n:x\n\n");
    EXPECT_EQ(Findings({catalog}, 1),
              "c.DEF:2: dropped: the height field is missing or empty (status 4)\n"
              "c.DEF:3: the width \"x\" holds no number: read as 0\n"
              "c.DEF:3: the unit \"mm\" is read as 0\n"
              "c.DEF:4: the unit 2 is neither 0 (inches) nor 1 (millimetres): the sizes list "
              "shows no unit\n"
              "c.cat.atr:1: ignored: the value \"stray\" stands before any section header\n"
              "c.cat.atr:5: the weight \"90 : heavy\" is cut at its ':' and read as \"90 \"\n"
              "c.cat.atr:5: the weight \"90 \" is neither a number nor \"*\"\n"
              "c.cat.atr:6: the weight \"75\" is listed again (first on line 4)\n"
              "c.cat.atr:7: the weight \"300\" lies outside 60..200 gsm: the editor cannot give it "
              "to a paper\n"
              "c.cat.atr:8: unknown section header \"[papertypes]\": the values below it are "
              "ignored (the header must read exactly [PaperTypes])\n"
              "c.cat.atr:14: the colour \"dark blue\" holds ' ' (U+0020) at position 5, which is "
              "not allowed: no paper can have it\n"
              "c.cat.atr:15: the colour \"abcdefghijklmnopqrstuvwxyz\" is longer than 20 "
              "characters: a paper keeps only \"abcdefghijklmnopqrst\"\n"
              "c.cat.atr:16: ignored: the line starts with ':'\n"
              "c.cat: the editor loads this catalog with status 4 (a size line lacks a field) and "
              "reads none of its papers; opening it shows an error\n");
}

// Check creates nothing to make up for a missing companion.
TEST_F(CliCheckTest, MissingFilesExitWithTwoAndSeveralCatalogsWithTheWorstStatus) {
    const std::string catalog = WriteCatalog("a", "A:A\nA:1:75:white:plain\n", "", "");
    const std::string before = ListFolder(dir.path());
    EXPECT_EQ(Findings({catalog}, 2),
              "a.DEF: the size-definition file cannot be opened (status 2): the catalog's "
              "attribute file and papers are not read\n"
              "a.cat.atr: the attribute file cannot be opened (status 2): the catalog's papers are "
              "not read\n"
              "a.cat: the editor loads this catalog with status 2 (the size-definition or "
              "attribute file cannot be opened) and reads none of its papers; opening it shows an "
              "error\n");
    EXPECT_EQ(ListFolder(dir.path()), before);
    // A clean catalog gives no finding; several give the worst exit status, in any order.
    const std::string clean =
        WriteCatalog("clean", "C:A\nA:1:75:white:plain:2:0\nT:3:*:*:tab:0:1\n");
    const std::string damaged = WriteCatalog("damaged", "D:A\nA:1:75:white:plain\nB B:1:75:w:p\n");
    EXPECT_EQ(Findings({clean}, 0), "");
    Findings({damaged, clean}, 1);
    Findings({clean, dir.File("missing.cat"), damaged}, 2);
}

// Findings are printed as they are found, at most --max of each file; the rest are counted.
TEST_F(CliCheckTest, MaxLimitsTheFindingsPrintedPerFile) {
    const std::string catalog =
        WriteCatalog("m", "M:A\nA:1:75:white:plain\n:1\n:2\n:3\n", "8.5:11:0:0:0:Letter\n:a\n:b\n");
    const std::string all = Findings({catalog}, 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 5) << all;
    EXPECT_EQ(Findings({"--max=0", catalog}, 1), all);
    EXPECT_EQ(Findings({"--max", "1", catalog}, 1),
              "m.DEF:2: skipped: the line starts with ':', so it has no width\n"
              "m.DEF: 1 more findings not printed (--max 1)\n"
              "m.cat:3: skipped: the line starts with ':', so it has no name\n"
              "m.cat: 2 more findings not printed (--max 1)\n");
}

// Each finding has a code and a severity; --fail-on sets the exit status by the gravest finding,
// printed or not.
TEST_F(CliCheckTest, FindingsHaveCodesAndSeveritiesThatSetTheExitStatus) {
    const std::string papers =
        "Letter:1:75:white:plain:2:0\nA\\x5fB:1:75:white:plain:2:0\n"
        "Letter:1:75:white:plain:2:0\n";
    const std::string all = WriteCatalog("all", "All:Letter\n" + papers + "Short:1:75\n");
    const CliRun run = Run({"check", all, "--json", "--compact"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.out).size(), 1u);
    for (const char* finding :
         {"{\"file\":\"all.cat\",\"line\":3,\"code\":\"escapes\",\"severity\":\"warning\",",
          "{\"file\":\"all.cat\",\"line\":4,\"code\":\"duplicate-name\",\"severity\":\"note\",",
          "{\"file\":\"all.cat\",\"line\":5,\"code\":\"field-missing\",\"severity\":\"error\","})
        EXPECT_THAT(run.out, HasSubstr(finding));
    EXPECT_EQ(Findings({all, "--fail-on", "error"}, 1).empty(), false);
    const std::string warned = WriteCatalog("warned", "Warned:Letter\n" + papers);
    Findings({warned, "--fail-on", "error"}, 0);
    Findings({warned, "--fail-on", "warning"}, 1);
    const std::string noted = WriteCatalog("noted",
                                           "Noted:Letter\nLetter:1:75:white:plain:2:0\n"
                                           "Letter:1:75:white:plain:2:0\n");
    Findings({noted, "--fail-on", "warning"}, 0);
    Findings({noted}, 1);
    // An error beyond --max still fails (here the attribute file's second finding); several
    // catalogs fail by the gravest of all.
    const std::string hidden =
        WriteCatalog("hidden", "H:Letter\nLetter:1:75:white:plain:2:0\n", kSizes,
                     "[PaperWeights]\n75\n75\n[Bogus]\nx\n[PaperTypes]\nplain\n"
                     "[PaperColors]\nwhite\n\n");
    EXPECT_EQ(Findings({hidden, "--max", "1", "--fail-on", "error"}, 1),
              "hidden.cat.atr:3: the weight \"75\" is listed again (first on line 2)\n"
              "hidden.cat.atr: 1 more findings not printed (--max 1)\n");
    Findings({noted, all, "--fail-on", "error"}, 1);
    EXPECT_EQ(Run({"check", noted, "--fail-on", "fatal"}).exitCode, 2);
}

// Every code the tool gives is documented in the schema that scripts are written against.
TEST(CliFindingCodesTest, EveryCodeIsInTheSchemaOnce) {
    const std::string schema = ReadBytes(SHEETWISE_SCHEMA_DIR "/check.schema.json");
    std::set<std::string> names;
    for (int code = 0; code <= static_cast<int>(cli::FindingCode::kValueListedTwice); ++code) {
        const std::string name = cli::CodeName(static_cast<cli::FindingCode>(code));
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_THAT(schema, HasSubstr("\"" + name + "\"")) << name;
    }
}

}  // namespace
}  // namespace sheetwise::testing
