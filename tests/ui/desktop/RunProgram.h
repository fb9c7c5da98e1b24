// Running a program of the build, or a tool of the system, through the shell and keeping what it
// printed, the way the desktop or a terminal runs it.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/TempDir.h"

namespace sheetwise::testing {

struct ProgramRun {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs `program` (shell syntax) with its output in files of `dir`, then `arguments`, which may
// redirect the output again. The exit code is -1 when it did not exit by itself (a crash).
inline ProgramRun RunProgram(const TempDir& dir, const std::string& program,
                             const std::string& arguments = {}) {
    const std::string command =
        program + " >'" + dir.File("run.out") + "' 2>'" + dir.File("run.err") + "' " + arguments;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir.File("run.out")),
            ReadBytes(dir.File("run.err"))};
}

// True when the shell finds the tool; tests of what only a tool can check are skipped without it.
inline bool HasTool(const std::string& tool) {
    return std::system(("command -v '" + tool + "' >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace sheetwise::testing
