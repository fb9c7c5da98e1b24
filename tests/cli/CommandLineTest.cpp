// Arguments: what each command takes, what is refused (exit 2 and a hint), help, and what only
// main() does. The short options (-o, -b) and "--option=value" are used by the command tests.
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

using CliCommandLineTest = CliTest;

TEST_F(CliCommandLineTest, RefusedArgumentsExitWithTwoAndAHintHelpGoesToStandardOutput) {
    EXPECT_EQ(Run({}).err, "sheetwise-cli: no command given\nTry 'sheetwise-cli --help'.\n");
    // Each line breaks another rule of its command.
    std::istringstream wrong(
        "frobnicate a.cat\nshow\nshow a.cat b.cat\nshow a.cat --bogus\n"
        "show a.cat --out n.cat\ncheck\ncheck a.cat --max -1\nimport x.ini\n"
        "import x.ini --json --out n.cat\nimport x.ini --json --base b.cat\n"
        "import x.ini y.ini --out n.cat\nimport x.ini --out n.cat --drop-bad-lines\n"
        "convert a.cat\nconvert a.cat --out=\nconvert a.cat --out n.cat --out m.cat\n"
        "export a.cat --format xml\nexport a.cat --json --format csv\ndiff a.cat\n"
        "diff a.cat b.cat --max 3\nhelp frobnicate\n");
    for (std::string line; std::getline(wrong, line);) {
        std::istringstream words(line);
        const CliRun run = Run({std::istream_iterator<std::string>(words), {}});
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_THAT(run.err, ::testing::MatchesRegex("sheetwise-cli: .*\nTry 'sheetwise-cli .*\n"));
    }
    // After "--" a file name may look like an option.
    EXPECT_EQ(Run({"check", "--", "--odd.cat"}),
              (CliRun{2, "--odd.cat: the catalog file cannot be opened\n", ""}));
    const CliRun run = Run({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    for (const char* topic :
         {"show", "check", "import", "convert", "export", "diff", "Exit status"})
        EXPECT_THAT(run.out, HasSubstr(topic));
    EXPECT_THAT(Run({"help", "import"}).out,
                ::testing::StartsWith("Usage: sheetwise-cli import INI --out NEW.cat"));
    // --help after a command gives that command's page, even with its files missing.
    EXPECT_THAT(Run({"check", "--help"}).out,
                ::testing::StartsWith("Usage: sheetwise-cli check CATALOG..."));
}

// Runs the executable through the shell; the arguments may redirect standard output again.
CliRun RunExecutable(const TempDir& dir, const std::string& arguments) {
    const std::string command = "'" SHEETWISE_CLI_EXECUTABLE "' >'" + dir.File("out") + "' 2>'" +
                                dir.File("err") + "' " + arguments;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir.File("out")),
            ReadBytes(dir.File("err"))};
}

TEST(CliExecutableTest, ResultsOnStandardOutputDiagnosticsOnStandardError) {
    TempDir dir;
    EXPECT_EQ(RunExecutable(dir, "--version"),
              (CliRun{0, "sheetwise-cli " SHEETWISE_TEST_VERSION "\n", ""}));
    // The default catalog lies beside the built executable, and is clean.
    const auto catalog =
        std::filesystem::path(SHEETWISE_CLI_EXECUTABLE).replace_filename("kbrvcat_en.cat");
    EXPECT_EQ(RunExecutable(dir, "check '" + catalog.string() + "'"), (CliRun{0, "", ""}));
    EXPECT_EQ(RunExecutable(dir, "export '" + catalog.string() + "' >/dev/full"),
              (CliRun{2, "", "sheetwise-cli: cannot write the results to standard output\n"}));
}

// Qt decodes the arguments of main() through the locale, which made a byte that is no UTF-8 a
// U+FFFD; a backslash made a folder. The executable takes its arguments as bytes.
TEST_F(CliCommandLineTest, TheExecutableWritesUnderTheVeryBytesItIsGiven) {
    const std::string catalog = WriteCatalog("a", "H:Letter\n" + std::string(kPapers));
    for (const std::string name : {"plain", "new\xFF", "sub\\x"}) {
        EXPECT_EQ(
            RunExecutable(dir, "convert '" + catalog + "' --out '" + dir.File(name) + ".cat'"),
            (CliRun{0, "", ""}));
        EXPECT_EQ(Read(name + ".cat") + Read(name + ".cat.atr"),
                  Read("plain.cat") + Read("plain.cat.atr"));
    }
    EXPECT_EQ(
        ListFolder(dir.path()),
        ".sheetwise.lock a.DEF a.cat a.cat.atr err new\xFF.cat new\xFF.cat.atr new\xFF.def out "
        "plain.cat plain.cat.atr plain.def sub\\x.cat sub\\x.cat.atr sub\\x.def ");
}

}  // namespace
}  // namespace sheetwise::testing
