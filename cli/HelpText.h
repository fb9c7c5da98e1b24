// The texts of --help, "help COMMAND" and --version.
#pragma once

#include <string>

#include "cli/CommandLine.h"

namespace sheetwise::cli {

// The overview for kHelp, the command's own page for any other command.
std::string HelpText(Command topic);

// The page of an edit command (add ... apply).
std::string EditHelpText(Command topic);

// "sheetwise-cli VERSION".
std::string VersionText();

// The line that follows an argument error.
std::string UsageHint(Command command);

}  // namespace sheetwise::cli
