#include "cli/Console.h"

#include <cstdio>

#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

bool IsEscapedByte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

void AppendCode(std::u16string& shown, const char* format, unsigned value) {
    char code[8];
    const int length = std::snprintf(code, sizeof code, format, value);
    shown.append(code, code + length);
}

// Shown, with the quote escaped too when `quote` is set.
std::string Escaped(std::u16string_view text, bool quote) {
    std::u16string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (pair) {
            shown += unit;
            shown += text[++i];
        } else if (quote && unit == u'"') {
            shown += u"\\\"";
        } else if (IsEscapedByte(unit)) {
            AppendCode(shown, "\\x%02x", unit - 0xDC00u);
        } else if (IsDisplayHazard(unit) && unit < 0x100) {
            AppendCode(shown, "\\x%02x", unit);
        } else if (IsDisplayHazard(unit) || IsSurrogate(unit)) {
            AppendCode(shown, "\\u%04x", unit);
        } else {
            shown += unit;
        }
    }
    return NativeFromWide(shown);
}

}  // namespace

void ReportError(Console& console, std::string_view message) {
    console.err << "sheetwise-cli: " << ShownUtf8(message) << '\n';
}

void ReportWarning(Console& console, std::string_view message) {
    console.err << "sheetwise-cli: warning: " << ShownUtf8(message) << '\n';
}

std::string Utf8(std::u16string_view text) {
    return NativeFromWide(text);
}

bool IsDisplayHazard(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || unit == 0x061C || unit == 0x200E ||
           unit == 0x200F || (unit >= 0x202A && unit <= 0x202E) ||
           (unit >= 0x2066 && unit <= 0x2069) || unit == 0x2028 || unit == 0x2029;
}

std::string Shown(std::u16string_view text) {
    return Escaped(text, false);
}

std::string ShownUtf8(std::string_view text) {
    return Escaped(WideFromNative(text), false);
}

std::string Quoted(std::u16string_view text) {
    return '"' + Escaped(text, true) + '"';
}

}  // namespace sheetwise::cli
