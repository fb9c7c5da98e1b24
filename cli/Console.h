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

// "sheetwise-cli: message" on the diagnostic stream, made safe for a terminal (ShownUtf8):
// messages name files, and a file name may hold anything but "/" and NUL.
void ReportError(Console& console, std::string_view message);
// "sheetwise-cli: warning: message" on the diagnostic stream, the same way.
void ReportWarning(Console& console, std::string_view message);

// UTF-8 text of a catalog value or a path, for messages and tables. A lone surrogate
// U+DC80..U+DCFF stands for a byte of a file name that is no UTF-8 (NativePath.h) and becomes that
// byte again, for Shown to show as \xNN.
std::string Utf8(std::u16string_view text);

// A character that must not reach a terminal or a reader as it is: a control character (C0, DEL,
// C1), which a terminal may act on (ESC), or a character that changes how the text around it is
// displayed (the bidirectional controls U+061C, U+200E, U+200F, U+202A..U+202E, U+2066..U+2069,
// and the line and paragraph separators U+2028, U+2029), with which a name can display as another.
bool IsDisplayHazard(char16_t unit);

// UTF-8 text for a terminal: a control character becomes \xNN, a byte of a name that is no UTF-8
// (U+DC80..U+DCFF) \xNN of that byte, a display-changing character or another lone surrogate
// \uNNNN; so a tab or a stray CR can be seen, an ESC in a file never reaches the terminal as one,
// and a name never displays as another.
std::string Shown(std::u16string_view text);
// The same for text that is already UTF-8 (a message, a native path): bytes that are no UTF-8
// become \xNN.
std::string ShownUtf8(std::string_view text);
// The text in double quotes, for messages that name a value: Shown, and a double quote inside
// becomes \".
std::string Quoted(std::u16string_view text);

}  // namespace sheetwise::cli
