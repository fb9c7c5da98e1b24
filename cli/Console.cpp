#include "cli/Console.h"

#include <cstdio>

#include "platform/CodePage.h"

namespace sheetwise::cli {

void ReportError(Console& console, std::string_view message) {
    console.err << "sheetwise-cli: " << message << '\n';
}

void ReportWarning(Console& console, std::string_view message) {
    console.err << "sheetwise-cli: warning: " << message << '\n';
}

std::string Utf8(std::u16string_view text) {
    return Utf16ToUtf8(text);
}

namespace {

bool IsControl(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

// Shown, with the quote escaped too when `quote` is set.
std::string Escaped(std::u16string_view text, bool quote) {
    std::u16string shown;
    shown.reserve(text.size());
    for (char16_t unit : text) {
        if (quote && unit == u'"') {
            shown += u"\\\"";
        } else if (IsControl(unit)) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned>(unit));
            shown.append(code, code + 4);
        } else {
            shown += unit;
        }
    }
    return Utf16ToUtf8(shown);
}

}  // namespace

std::string Shown(std::u16string_view text) {
    return Escaped(text, false);
}

std::string Quoted(std::u16string_view text) {
    return '"' + Escaped(text, true) + '"';
}

}  // namespace sheetwise::cli
