// The commands of sheetwise-cli. Each takes the parsed command line, writes its results to the
// console's output and its diagnostics to the console's error stream, and returns the exit
// status (Console.h).
#pragma once

#include <string>

#include "cli/CommandLine.h"
#include "cli/Console.h"

namespace sheetwise::cli {

// What the tool takes from the machine it runs on.
struct Environment {
    // The running executable, which locates the installation's default catalog.
    std::u16string executablePath;
    // The locale's decimal separator: the editor's sizes list shows sizes with it, and imported
    // sizes are matched against that list.
    std::u16string decimalSeparator = u".";
};

int RunShow(const Invocation& invocation, Console& console, const Environment& environment);
int RunCheck(const Invocation& invocation, Console& console);
int RunImport(const Invocation& invocation, Console& console, const Environment& environment);
int RunConvert(const Invocation& invocation, Console& console, const Environment& environment);
int RunExport(const Invocation& invocation, Console& console);
int RunDiff(const Invocation& invocation, Console& console, const Environment& environment);
// add, modify, rename, delete, move, set-default, add-value, delete-value.
int RunEdit(const Invocation& invocation, Console& console, const Environment& environment);
int RunApply(const Invocation& invocation, Console& console, const Environment& environment);

}  // namespace sheetwise::cli
