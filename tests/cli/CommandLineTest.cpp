// Arguments: what each command takes, what is refused (exit 2 and a hint), help and version.
#include "CliTestSupport.h"
#include "cli/CommandLine.h"

namespace sheetwise::testing {
namespace {

using cli::Command;
using cli::ParseArguments;

QStringList Args(std::initializer_list<const char*> arguments) {
    QStringList list;
    for (const char* argument : arguments)
        list << QString::fromUtf8(argument);
    return list;
}

TEST(CliCommandLineTest, ReadsEachCommandWithItsFilesAndOptions) {
    auto parsed = ParseArguments(Args({"show", "a.cat", "--json"}));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.invocation.command, Command::kShow);
    EXPECT_EQ(parsed.invocation.files, std::vector<std::u16string>{u"a.cat"});
    EXPECT_TRUE(parsed.invocation.json);

    parsed = ParseArguments(Args({"import", "--base=b.cat", "x.ini", "-o", "n.cat"}));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.invocation.base, u"b.cat");
    EXPECT_EQ(parsed.invocation.out, u"n.cat");
    EXPECT_EQ(parsed.invocation.files, std::vector<std::u16string>{u"x.ini"});

    parsed = ParseArguments(Args({"export", "a.cat"}));
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.invocation.format, u"csv");

    parsed = ParseArguments(Args({"check", "a.cat", "b.cat", "--", "--odd.cat"}));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.invocation.files.size(), 3u);
    EXPECT_EQ(parsed.invocation.files[2], u"--odd.cat");
}

TEST(CliCommandLineTest, RefusesWhatACommandDoesNotTake) {
    const std::initializer_list<const char*> wrong[] = {
        {},
        {"frobnicate", "a.cat"},
        {"show"},
        {"show", "a.cat", "b.cat"},
        {"show", "a.cat", "--out", "n.cat"},
        {"show", "a.cat", "--bogus"},
        {"check"},
        {"check", "a.cat", "--json"},
        {"import", "x.ini"},
        {"import", "x.ini", "--json", "--out", "n.cat"},
        {"import", "x.ini", "--json", "--base", "b.cat"},
        {"import", "x.ini", "y.ini", "--out", "n.cat"},
        {"convert", "a.cat"},
        {"convert", "a.cat", "--out", ""},
        {"convert", "a.cat", "--out", "n.cat", "--out", "m.cat"},
        {"export", "a.cat", "--format", "xml"},
        {"export", "a.cat", "--json"},
        {"help", "frobnicate"},
    };
    for (const auto& arguments : wrong) {
        const auto parsed = ParseArguments(Args(arguments));
        EXPECT_FALSE(parsed.ok) << Args(arguments).join(' ').toStdString();
        EXPECT_FALSE(parsed.error.empty());
    }
}

class CliCommandLineRunTest : public CliTest {};

TEST_F(CliCommandLineRunTest, ArgumentErrorsExitWithTwoAndAHintOnStandardError) {
    CliRun run = Run({"show", "a.cat", "--out", "n.cat"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "sheetwise-cli: show takes no --out option\nTry 'sheetwise-cli help show'.\n");

    run = Run({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "sheetwise-cli: no command given\nTry 'sheetwise-cli --help'.\n");

    run = Run({"convert", "a.cat"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("convert needs --out NEW.cat"), std::string::npos);
}

TEST_F(CliCommandLineRunTest, HelpAndVersionGoToStandardOutput) {
    CliRun run = Run({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    for (const char* command : {"show", "check", "import", "convert", "export", "Exit status"})
        EXPECT_NE(run.out.find(command), std::string::npos) << command;

    run = Run({"help", "import"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage: sheetwise-cli import INI --out NEW.cat", 0), 0u);

    // --help after a command gives that command's page, even with its files missing.
    EXPECT_EQ(Run({"check", "--help"}).out.rfind("Usage: sheetwise-cli check CATALOG...", 0), 0u);

    run = Run({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "sheetwise-cli " SHEETWISE_TEST_VERSION "\n");
}

}  // namespace
}  // namespace sheetwise::testing
