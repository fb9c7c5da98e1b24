// Bash completion offers every command, every option each command takes and nothing it does
// not: held against the command line's own table, so that a new option cannot be left out.
#include <cstdlib>
#include <set>

#include "CliTestSupport.h"
#include "cli/CommandLine.h"

namespace sheetwise::testing {
namespace {

// What the completion function offers for the words typed, the last one being completed.
std::set<std::string> Offered(const std::vector<std::string>& words) {
    std::string array = "sheetwise-cli";
    for (const std::string& word : words)
        array += " '" + word + "'";
    const TempDir dir;
    WriteBytes(dir.File("complete.sh"),
               "source '" SHEETWISE_COMPLETION_SCRIPT "'\nCOMP_WORDS=(" + array +
                   ")\nCOMP_CWORD=" + std::to_string(words.size()) +
                   "\n_sheetwise_cli\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n");
    const std::string bash =
        "bash '" + dir.File("complete.sh") + "' >'" + dir.File("out") + "' 2>&1";
    EXPECT_EQ(std::system(bash.c_str()), 0);
    std::set<std::string> offered;
    for (const std::string& word : Lines(ReadBytes(dir.File("out"))))
        offered.insert(word);
    return offered;
}

std::set<std::string> Set(const std::vector<std::string>& names) {
    return {names.begin(), names.end()};
}

TEST(CliCompletionTest, OffersEveryCommandAndEachCommandsOwnOptions) {
    const std::vector<std::string> commands = cli::CommandNames();
    EXPECT_EQ(Offered({""}), Set(commands));
    EXPECT_EQ(Offered({"help", ""}), Set(commands));
    EXPECT_EQ(Offered({"--"}), (std::set<std::string>{"--help", "--version", "--wait"}));
    for (const std::string& name : commands) {
        if (name == "help")
            continue;
        std::vector<std::string> options = cli::OptionsOf(*cli::CommandNamed(name));
        options.push_back("--help");
        options.push_back("--wait");  // every command's
        EXPECT_EQ(Offered({name, "x.cat", "--"}), Set(options)) << name;
    }
    EXPECT_EQ(Offered({"export", "a.cat", "--format", ""}), (std::set<std::string>{"csv", "json"}));
    EXPECT_EQ(Offered({"add", "N", "--sides", ""}), (std::set<std::string>{"0", "1", "2"}));
    EXPECT_EQ(Offered({"check", "a.cat", "--fail-on", "w"}), (std::set<std::string>{"warning"}));
    EXPECT_EQ(Offered({"add-value", ""}), (std::set<std::string>{"colour", "type", "weight"}));
    // After an option's value, the next word is an argument again.
    EXPECT_EQ(Offered({"delete-value", "--wait", "5", "--out", "x.cat", ""}),
              (std::set<std::string>{"colour", "type", "weight"}));
}

}  // namespace
}  // namespace sheetwise::testing
