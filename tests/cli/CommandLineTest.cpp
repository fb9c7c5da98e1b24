// Arguments: what each command takes, what is refused (exit 2 and a hint), help.
#include "CliTestSupport.h"
#include "cli/CommandLine.h"

namespace sheetwise::testing {
namespace {

// The forms the command tests do not use: "--base=VALUE", and "--" before a file that looks like
// an option.
TEST(CliCommandLineTest, ReadsValuesAfterEqualsAndFilesAfterTwoDashes) {
    auto parsed = cli::ParseArguments({"import", "--base=b.cat", "x.ini", "-o", "n.cat"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.invocation.base, u"b.cat");
    EXPECT_EQ(parsed.invocation.out, u"n.cat");
    EXPECT_EQ(parsed.invocation.files, std::vector<std::u16string>{u"x.ini"});
    parsed = cli::ParseArguments({"check", "a.cat", "b.cat", "--", "--odd.cat"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.invocation.files,
              (std::vector<std::u16string>{u"a.cat", u"b.cat", u"--odd.cat"}));
}

class CliCommandLineRunTest : public CliTest {};

TEST_F(CliCommandLineRunTest, RefusedArgumentsExitWithTwoAndAHintOnStandardError) {
    EXPECT_EQ(Run({"show", "a.cat", "--out", "n.cat"}).err,
              "sheetwise-cli: show takes no --out option\nTry 'sheetwise-cli help show'.\n");
    EXPECT_EQ(Run({}).err, "sheetwise-cli: no command given\nTry 'sheetwise-cli --help'.\n");
    // Each of these breaks another rule of its command.
    const std::initializer_list<std::string> wrong[] = {
        {"frobnicate", "a.cat"},
        {"show"},
        {"show", "a.cat", "b.cat"},
        {"show", "a.cat", "--bogus"},
        {"check"},
        {"check", "a.cat", "--max", "-1"},
        {"import", "x.ini"},
        {"import", "x.ini", "--json", "--out", "n.cat"},
        {"import", "x.ini", "--json", "--base", "b.cat"},
        {"import", "x.ini", "y.ini", "--out", "n.cat"},
        {"convert", "a.cat"},
        {"convert", "a.cat", "--out", ""},
        {"convert", "a.cat", "--out", "n.cat", "--out", "m.cat"},
        {"import", "x.ini", "--out", "n.cat", "--drop-bad-lines"},
        {"export", "a.cat", "--format", "xml"},
        {"export", "a.cat", "--json", "--format", "csv"},
        {"diff", "a.cat"},
        {"diff", "a.cat", "b.cat", "--max", "3"},
        {"help", "frobnicate"},
    };
    for (const auto& arguments : wrong) {
        const CliRun run = Run(arguments);
        const std::string shown = *arguments.begin();
        EXPECT_EQ(run.exitCode, 2) << shown << " " << run.err;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_EQ(run.err.rfind("sheetwise-cli: ", 0), 0u) << shown;
        EXPECT_NE(run.err.find("\nTry 'sheetwise-cli "), std::string::npos) << shown;
    }
}

TEST_F(CliCommandLineRunTest, HelpGoesToStandardOutput) {
    CliRun run = Run({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    for (const char* command :
         {"show", "check", "import", "convert", "export", "diff", "Exit status"})
        EXPECT_NE(run.out.find(command), std::string::npos) << command;

    run = Run({"help", "import"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage: sheetwise-cli import INI --out NEW.cat", 0), 0u);
    // --help after a command gives that command's page, even with its files missing.
    EXPECT_EQ(Run({"check", "--help"}).out.rfind("Usage: sheetwise-cli check CATALOG...", 0), 0u);
}

}  // namespace
}  // namespace sheetwise::testing
