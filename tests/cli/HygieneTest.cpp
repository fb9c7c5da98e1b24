// What the tool prints is safe to print: names and values with control or bidirectional
// characters are shown escaped (and check warns of them), names that are no UTF-8 keep their
// bytes, and CSV cells a spreadsheet would run as formulas are neutralised.
#include <fcntl.h>
#include <unistd.h>

#include "CliTestSupport.h"
#include "cli/PaperCsv.h"

namespace sheetwise::testing {
namespace {

using ::testing::Not;

class CliHygieneTest : public CliTest {};

// Nothing a file or its name holds reaches the terminal as a control or bidirectional character.
::testing::Matcher<const std::string&> Printable() {
    return Not(::testing::ContainsRegex("[\x01-\x09\x0b-\x1f\x7f]|\xE2\x80\xAE|\xE2\x81\xA6|\xFF"));
}

TEST_F(CliHygieneTest, FileNamesInMessagesAreShownEscaped) {
    const CliRun missing =
        RunExpecting({"show", dir.File("esc\x1b[31m\xFF\xE2\x80\xAEtac.cat")}, 2,
                     {"sheetwise-cli: esc\\x1b[31m\\xff\\u202etac.cat: cannot open the catalog"});
    EXPECT_THAT(missing.err, Printable());
    // check names the files of its findings the same way; its JSON keeps the name's bytes as
    // escapes that read back as the same bytes (Python's surrogateescape).
    const std::string odd = "od\x07\xE9";
    WriteCatalog(odd, "H:A\nA:1:75:white:plain\n:x\n");
    const CliRun text = Run({"check", dir.File(odd + ".cat")});
    EXPECT_THAT(text.out, Printable());
    EXPECT_THAT(text.out, HasSubstr("od\\x07\\xe9.cat:3: skipped"));
    const CliRun json = Run({"check", "--json", dir.File(odd + ".cat")});
    EXPECT_THAT(Compact(json.out), HasSubstr("\"file\":\"od\\u0007\\udce9.cat\""));
}

// The catalog's own values: shown escaped in show's table, escaped in JSON, warned of by check.
TEST_F(CliHygieneTest, ControlAndBidirectionalCharactersInValuesAreEscapedAndWarnedOf) {
    const std::string catalog = WriteCatalog(
        "bidi",
        WideFile(u"Off\x1b"
                 u"ice:Ev\u202Eil\nEv\u202Eil:1:75:white:plain\nPlain:1:75:whi\u2066te:plain\n"));
    const CliRun show = Run({"show", catalog});
    EXPECT_THAT(show.out, Printable());
    EXPECT_THAT(show.out, HasSubstr("Header         Off\\x1bice\n"));
    EXPECT_THAT(show.out, HasSubstr("Ev\\u202eil"));
    EXPECT_THAT(Compact(Run({"show", "--json", catalog}).out),
                HasSubstr("\"header\":\"Off\\u001bice\",\"defaultIndex\":0,"
                          "\"defaultName\":\"Ev\\u202eil\""));
    const CliRun check = Run({"check", catalog});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_THAT(check.out, Printable());
    EXPECT_THAT(check.out,
                HasSubstr("bidi.cat:2: warning: the name \"Ev\\u202eil\" holds U+202E at position "
                          "3, which changes how the text around it displays: it may display as "
                          "other text\n"));
    EXPECT_THAT(check.out, HasSubstr("bidi.cat:3: warning: the colour \"whi\\u2066te\" holds "
                                     "U+2066 at position 4"));
    EXPECT_THAT(check.out,
                HasSubstr("bidi.cat:1: warning: the header text \"Off\\x1bice\" holds U+001B at "
                          "position 4, a control character: a terminal may act on it\n"));
    EXPECT_THAT(check.out, HasSubstr("bidi.cat:1: warning: the default paper name"));
}

// A UTF-16 file of an odd length lost its last byte to the reader: check no longer says clean.
TEST_F(CliHygieneTest, CheckTellsTheOddFinalByteAndAFileTooLargeToRead) {
    const std::string odd = WriteCatalog(
        "odd", WideFile(std::u16string(u"H:Letter\n") + u"Letter:1:75:white:plain\n") + "\x42");
    EXPECT_EQ(Run({"check", odd}),
              (CliRun{1,
                      "odd.cat: the file is UTF-16 but ends in a lone byte (0x42) that is no "
                      "character and is dropped: the file may have been cut short\n",
                      ""}));
    const std::string huge = WriteCatalog("huge", "H:Letter\nLetter:1:75:white:plain\n");
    ASSERT_EQ(truncate(huge.c_str(), (64 << 20) + 1), 0);
    const CliRun check = Run({"check", huge});
    EXPECT_EQ(check.exitCode, 2);
    EXPECT_THAT(check.out, HasSubstr("huge.cat: the file has 67108865 bytes, more than the "
                                     "67108864 a catalog's file may have: it is not read "
                                     "(status 7)\n"));
    RunExpecting({"show", huge}, 1,
                 {"status 7 (the catalog file has no first line, a line too long to read, or more "
                  "than 64 MiB)"});
}

TEST_F(CliHygieneTest, CsvCellsThatWouldRunAsFormulasGetALeadingQuoteUnlessRawIsAsked) {
    for (const char16_t* formula : {u"=1+1", u"+1", u"-1", u"@SUM(A1)", u"\tx", u"\rx"})
        EXPECT_TRUE(cli::StartsLikeFormula(formula));
    for (const char16_t* plain : {u"", u"x=1", u"1-2", u" -1", u"'-1"})
        EXPECT_FALSE(cli::StartsLikeFormula(plain));
    const std::string catalog =
        WriteCatalog("csv", "H:-2-1\n-2-1:1:75:-white:plain\nA,-b:1:75:white:-x,y\n");
    // The header row is pinned by export's own test.
    EXPECT_THAT(
        Run({"export", catalog}).out,
        ::testing::EndsWith("loadPosition\r\n'-2-1,0,8.5,11.0,75,'-white,7,plain,0,2,0,0\r\n"
                            "\"A,-b\",0,8.5,11.0,75,white,1,\"'-x,y\",6,2,0,1\r\n"));
    EXPECT_THAT(Run({"export", "--raw-csv", catalog}).out,
                ::testing::EndsWith("loadPosition\r\n-2-1,0,8.5,11.0,75,-white,7,plain,0,2,0,0\r\n"
                                    "\"A,-b\",0,8.5,11.0,75,white,1,\"-x,y\",6,2,0,1\r\n"));
    EXPECT_EQ(Run({"export", "--json", "--raw-csv", catalog}).exitCode, 2);
}

}  // namespace
}  // namespace sheetwise::testing
