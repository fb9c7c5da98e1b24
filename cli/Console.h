// Where the tool's output goes: results on one stream, diagnostics on the other. Commands write
// through a Console so that tests can capture both.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace sheetwise::cli {

// The exit statuses every command keeps.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitProblems = 1,  // the catalog or import file has problems (each one is reported)
    kExitUnusable = 2,  // a file cannot be read or written, or the arguments are wrong
};

struct Console {
    std::ostream& out;
    std::ostream& err;
};

// "sheetwise-cli: message" on the diagnostic stream.
void ReportError(Console& console, std::string_view message);
// "sheetwise-cli: warning: message" on the diagnostic stream.
void ReportWarning(Console& console, std::string_view message);

// UTF-8 text of a catalog value, for messages and tables.
std::string Utf8(std::u16string_view text);
// UTF-8 text for a terminal: a control character (C0, DEL, C1) becomes \xNN, so that a tab or a
// stray CR can be seen and an ESC in a file never reaches the terminal as one.
std::string Shown(std::u16string_view text);
// The text in double quotes, for messages that name a value: Shown, and a double quote inside
// becomes \".
std::string Quoted(std::u16string_view text);

}  // namespace sheetwise::cli
