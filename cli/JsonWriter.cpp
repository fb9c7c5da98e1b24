#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/CodePage.h"

namespace sheetwise::cli {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string UnicodeEscape(char16_t unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
    return buffer;
}

// The escape of a unit that cannot stand as itself, or an empty text.
std::string EscapeOf(char16_t unit) {
    switch (unit) {
        case u'"':
            return "\\\"";
        case u'\\':
            return "\\\\";
        case u'\b':
            return "\\b";
        case u'\f':
            return "\\f";
        case u'\n':
            return "\\n";
        case u'\r':
            return "\\r";
        case u'\t':
            return "\\t";
        default:
            return unit < 0x20 ? UnicodeEscape(unit) : std::string();
    }
}

}  // namespace

std::string JsonString(std::u16string_view text) {
    std::string result = "\"";
    size_t plainStart = 0;
    auto flushPlain = [&](size_t end) {
        result += Utf16ToUtf8(text.substr(plainStart, end - plainStart));
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;  // a proper pair stays in the plain run
            continue;
        }
        std::string escape = EscapeOf(unit);
        if (escape.empty() && (IsHighSurrogate(unit) || IsLowSurrogate(unit)))
            escape = UnicodeEscape(unit);
        if (escape.empty())
            continue;
        flushPlain(i);
        result += escape;
        plainStart = i + 1;
    }
    flushPlain(text.size());
    result += '"';
    return result;
}

std::string FloatText(float value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, error == std::errc() ? end : buffer);
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    return text;
}

std::string JsonFloat(float value) {
    return std::isfinite(value) ? FloatText(value) : "null";
}

void JsonWriter::NewLine() {
    out_ << '\n' << std::string(2 * levels_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty())
        return;
    if (!levels_.back().empty)
        out_ << ',';
    levels_.back().empty = false;
    NewLine();
}

void JsonWriter::Open(char bracket, bool array) {
    BeforeValue();
    out_ << bracket;
    levels_.push_back({array, true});
}

void JsonWriter::Close(char bracket) {
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty)
        NewLine();
    out_ << bracket;
    if (levels_.empty())
        out_ << '\n';
}

void JsonWriter::BeginObject() {
    Open('{', false);
}

void JsonWriter::EndObject() {
    Close('}');
}

void JsonWriter::BeginArray() {
    Open('[', true);
}

void JsonWriter::EndArray() {
    Close(']');
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    out_ << JsonString(std::u16string(key.begin(), key.end())) << ": ";
    afterKey_ = true;
}

void JsonWriter::String(std::u16string_view text) {
    BeforeValue();
    out_ << JsonString(text);
}

void JsonWriter::Integer(int64_t value) {
    BeforeValue();
    out_ << value;
}

void JsonWriter::Float(float value) {
    BeforeValue();
    out_ << JsonFloat(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ << (value ? "true" : "false");
}

void JsonWriter::Null() {
    BeforeValue();
    out_ << "null";
}

void JsonWriter::Field(std::string_view key, std::u16string_view text) {
    Key(key);
    String(text);
}

void JsonWriter::Field(std::string_view key, int32_t value) {
    Key(key);
    Integer(value);
}

void JsonWriter::Field(std::string_view key, float value) {
    Key(key);
    Float(value);
}

void JsonWriter::Field(std::string_view key, bool value) {
    Key(key);
    Bool(value);
}

void JsonWriter::Field(std::string_view key, const std::vector<std::u16string>& texts) {
    Key(key);
    BeginArray();
    for (const std::u16string& text : texts)
        String(text);
    EndArray();
}

}  // namespace sheetwise::cli
