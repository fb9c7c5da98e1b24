// The built executable itself: what only main() does (streams, exit status, arguments).
#include <sys/wait.h>

#include <cstdlib>

#include "CliTestSupport.h"

namespace sheetwise::testing {
namespace {

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
    const std::string executable = SHEETWISE_CLI_EXECUTABLE;
    const std::string catalog = executable.substr(0, executable.rfind('/')) + "/kbrvcat_en.cat";
    EXPECT_EQ(RunExecutable(dir, "check '" + catalog + "'"), (CliRun{0, "", ""}));
    EXPECT_EQ(RunExecutable(dir, "export '" + catalog + "' >/dev/full"),
              (CliRun{2, "", "sheetwise-cli: cannot write the results to standard output\n"}));
}

}  // namespace
}  // namespace sheetwise::testing
