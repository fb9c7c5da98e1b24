// The whole tool behind main(): parses the arguments and runs the command.
#pragma once

#include <QStringList>

#include "cli/Commands.h"
#include "cli/Console.h"

namespace sheetwise::cli {

// arguments: the command line without the program name. Returns the exit status.
int RunCommandLine(const QStringList& arguments, Console& console, const Environment& environment);

}  // namespace sheetwise::cli
