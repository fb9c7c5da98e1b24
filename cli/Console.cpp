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

std::string Quoted(std::u16string_view text) {
    std::u16string shown;
    for (char16_t unit : text) {
        if (unit == u'"') {
            shown += u"\\\"";
        } else if (unit < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned>(unit));
            shown.append(code, code + 4);
        } else {
            shown += unit;
        }
    }
    return '"' + Utf16ToUtf8(shown) + '"';
}

}  // namespace sheetwise::cli
