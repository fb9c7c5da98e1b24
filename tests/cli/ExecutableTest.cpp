// The built executable itself: what only main() does (streams, exit status, arguments).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/TempDir.h"

namespace sheetwise::testing {
namespace {

struct ProcessRun {
    int exitCode = -1;
    std::string out;
};

// Runs the executable through the shell; standard error goes to errFile.
ProcessRun RunExecutable(const std::string& arguments, const std::string& errFile) {
    const std::string command =
        std::string("'") + SHEETWISE_CLI_EXECUTABLE + "' " + arguments + " 2>'" + errFile + "'";
    ProcessRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(CliExecutableTest, ResultsOnStandardOutputDiagnosticsOnStandardError) {
    TempDir dir;
    const std::string err = dir.File("err.txt");
    ProcessRun run = RunExecutable("--version", err);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "sheetwise-cli " SHEETWISE_TEST_VERSION "\n");
    EXPECT_EQ(ReadBytes(err), "");

    run = RunExecutable("show", err);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(err),
              "sheetwise-cli: show needs one catalog\nTry 'sheetwise-cli help show'.\n");

    // The default catalog lies beside the built executable.
    const std::string executable = SHEETWISE_CLI_EXECUTABLE;
    const std::string folder = executable.substr(0, executable.rfind('/'));
    run = RunExecutable("check '" + folder + "/kbrvcat_en.cat'", err);
    EXPECT_EQ(run.exitCode, 0) << run.out << ReadBytes(err);
    EXPECT_EQ(run.out, "");

    run = RunExecutable("export '" + folder + "/kbrvcat_en.cat' >/dev/full", err);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(ReadBytes(err), "sheetwise-cli: cannot write the results to standard output\n");
}

}  // namespace
}  // namespace sheetwise::testing
