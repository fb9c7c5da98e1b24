// sheetwise --help and --version: answered on the terminal, with or without a display, and never
// taken for a catalog to open.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/desktop/RunProgram.h"

namespace sheetwise::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// As a terminal without a graphical session starts it: the window would abort there.
constexpr const char* kWithoutDisplay =
    "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" SHEETWISE_EXECUTABLE "'";

TEST(InformationOptionsTest, AnsweredWithOrWithoutADisplayAndFailedWhenNotWritten) {
    TempDir dir;
    ProgramRun run = RunProgram(dir, kWithoutDisplay, "--version");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "sheetwise " SHEETWISE_TEST_VERSION "\n");
    EXPECT_EQ(run.err, "");

    for (const char* help : {"--help", "-h"}) {
        run = RunProgram(dir, kWithoutDisplay, help);
        EXPECT_EQ(run.exitCode, 0) << help;
        EXPECT_THAT(run.out, StartsWith("Usage: sheetwise [CATALOG]\n")) << help;
        EXPECT_THAT(run.out, HasSubstr("--version")) << help;
        EXPECT_EQ(run.err, "") << help;
    }

    // With a display the window could start; the option must not become its catalog, which would
    // leave the program running until the timeout ends it.
    run = RunProgram(dir, "QT_QPA_PLATFORM=offscreen timeout 30 '" SHEETWISE_EXECUTABLE "'",
                     "--version");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "sheetwise " SHEETWISE_TEST_VERSION "\n");

    // An answer that cannot be written is no success.
    for (const char* option : {"--help", "--version"}) {
        run = RunProgram(dir, kWithoutDisplay, std::string(option) + " >/dev/full");
        EXPECT_EQ(run.exitCode, 1) << option;
        EXPECT_EQ(run.err, "sheetwise: cannot write to standard output\n") << option;
    }
}

}  // namespace
}  // namespace sheetwise::testing
