#include "cli/JsonWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "cli/Console.h"
#include "platform/CodePage.h"

namespace sheetwise::cli {
namespace {

// Below this the buffer is not worth a write.
constexpr size_t kFlushBytes = 1 << 16;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUnicodeEscape(std::string& out, char16_t unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
    out += buffer;
}

// Quotes, backslashes, surrogates that are not part of a pair, and what must not reach a reader
// of the output as it is (control and bidirectional characters), each as its \u escape: JSON
// holds them exactly so, and no terminal or viewer acts on them.
bool NeedsEscape(char16_t unit) {
    return unit == u'"' || unit == u'\\' || IsHighSurrogate(unit) || IsLowSurrogate(unit) ||
           IsDisplayHazard(unit);
}

void AppendEscape(std::string& out, char16_t unit) {
    switch (unit) {
        case u'"':
            out += "\\\"";
            return;
        case u'\\':
            out += "\\\\";
            return;
        case u'\b':
            out += "\\b";
            return;
        case u'\f':
            out += "\\f";
            return;
        case u'\n':
            out += "\\n";
            return;
        case u'\r':
            out += "\\r";
            return;
        case u'\t':
            out += "\\t";
            return;
        default:
            AppendUnicodeEscape(out, unit);
    }
}

// A string of printable ASCII other than the quote and the backslash, most of what catalogs
// hold, written at `to` in quotes, each unit its byte, in one pass (room for its size and two);
// null when the text holds anything else, and then what was written there is no output.
char* PlainAsciiTo(char* to, std::u16string_view text) {
    *to++ = '"';
    bool plain = true;
    for (const char16_t unit : text) {
        plain &= unit >= 0x20 && unit < 0x7F && unit != u'"' && unit != u'\\';
        *to++ = static_cast<char>(unit);
    }
    if (!plain)
        return nullptr;
    *to++ = '"';
    return to;
}

}  // namespace

void AppendUtf8(std::string& out, std::u16string_view text) {
    if (std::any_of(text.begin(), text.end(), [](char16_t unit) { return unit >= 0x80; })) {
        out += Utf16ToUtf8(text);
        return;
    }
    const size_t at = out.size();
    out.resize(at + text.size());
    std::transform(text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(at),
                   [](char16_t unit) { return static_cast<char>(unit); });
}

void AppendJsonString(std::string& out, std::u16string_view text) {
    const size_t at = out.size();
    out.resize(at + text.size() + 2);
    if (PlainAsciiTo(out.data() + at, text) != nullptr)
        return;
    out.resize(at);
    out += '"';
    size_t plainStart = 0;
    auto flushPlain = [&](size_t end) {
        AppendUtf8(out, text.substr(plainStart, end - plainStart));
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;  // a proper pair stays in the plain run
            continue;
        }
        if (!NeedsEscape(unit))
            continue;
        flushPlain(i);
        AppendEscape(out, unit);
        plainStart = i + 1;
    }
    flushPlain(text.size());
    out += '"';
}

std::string JsonString(std::u16string_view text) {
    std::string result;
    AppendJsonString(result, text);
    return result;
}

namespace {

// The most FloatTextTo writes: the shortest form of any float, and ".0".
constexpr size_t kFloatTextBytes = 32;
// The most an integer takes: 20 digits and a sign.
constexpr size_t kIntegerBytes = 24;

char* CopyText(char* to, std::string_view text) {
    return std::copy(text.begin(), text.end(), to);
}

// Measures are mostly whole or have one decimal (8.5, 11.0, 210.0): those need no general
// float formatting, which costs more than everything else a paper needs. Below 10000 the fixed
// form is the shortest, and a tenth that reads back as the same float is the shortest text.
// Null when the value is not such a tenth.
char* TenthsTo(char* to, float value) {
    if (!(value >= 0 && value < 10000) || std::signbit(value))
        return nullptr;
    // Not negative, so adding a half and truncating rounds to the nearest tenth.
    const auto tenths = static_cast<long>(static_cast<double>(value) * 10 + 0.5);
    if (static_cast<float>(static_cast<double>(tenths) / 10) != value)
        return nullptr;
    to = std::to_chars(to, to + kIntegerBytes, tenths / 10).ptr;
    *to++ = '.';
    *to++ = static_cast<char>('0' + tenths % 10);
    return to;
}

// The text AppendFloatText appends, written at `to` (room for kFloatTextBytes); gives its end.
char* FloatTextTo(char* to, float value) {
    if (char* end = TenthsTo(to, value))
        return end;
    if (std::isnan(value))
        return CopyText(to, "nan");
    if (std::isinf(value))
        return CopyText(to, value < 0 ? "-inf" : "inf");
    char* const start = to;
    to = std::to_chars(to, to + kFloatTextBytes - 2, value).ptr;
    if (std::none_of(start, to, [](char c) { return c == '.' || c == 'e'; }))
        to = CopyText(to, ".0");
    return to;
}

// A float as JSON has it: no form for not-a-number and the infinities, so "null".
char* JsonFloatTo(char* to, float value) {
    return std::isfinite(value) ? FloatTextTo(to, value) : CopyText(to, "null");
}

}  // namespace

void AppendFloatText(std::string& out, float value) {
    char text[kFloatTextBytes];
    out.append(text, FloatTextTo(text, value));
}

std::string FloatText(float value) {
    std::string text;
    AppendFloatText(text, value);
    return text;
}

std::string JsonFloat(float value) {
    return std::isfinite(value) ? FloatText(value) : "null";
}

namespace {

// Indentation is copied from a run of blanks this long, in one fixed-size copy even when less is
// needed; the buffer always keeps that much room.
constexpr size_t kBlankRun = 32;
constexpr char kBlanks[kBlankRun + 1] = "                                ";

char* Blanks(char* to, size_t count) {
    if (count <= kBlankRun)
        std::memcpy(to, kBlanks, kBlankRun);
    else
        std::memset(to, ' ', count);
    return to + count;
}

// Copies a short piece (a key, a number) as two overlapping fixed-size copies: for the few bytes
// of each of the millions of pieces, a library call costs more than the copy.
char* CopyShort(char* to, const char* from, size_t size) {
    if (size >= 8 && size <= 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + size - 8, from + size - 8, 8);
    } else if (size >= 4 && size < 8) {
        std::memcpy(to, from, 4);
        std::memcpy(to + size - 4, from + size - 4, 4);
    } else if (size > 0 && size < 4) {
        to[0] = from[0];
        to[size / 2] = from[size / 2];
        to[size - 1] = from[size - 1];
    } else if (size > 16) {
        std::memcpy(to, from, size);
    }
    return to + size;
}

}  // namespace

namespace {

// The slot of a stream's flag that asks for compact JSON.
int CompactSlot() {
    static const int slot = std::ios_base::xalloc();
    return slot;
}

}  // namespace

void SetCompactJson(std::ostream& out, bool compact) {
    out.iword(CompactSlot()) = compact ? 1 : 0;
}

bool CompactJson(std::ostream& out) {
    return out.iword(CompactSlot()) != 0;
}

JsonWriter::JsonWriter(std::ostream& out)
    : out_(out), buffer_(2 * kFlushBytes, '\0'), compact_(CompactJson(out)) {}

void JsonWriter::Flush() {
    if (used_ == 0)
        return;
    out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

char* JsonWriter::Room(size_t bytes) {
    if (buffer_.size() - used_ < bytes)
        buffer_.resize(std::max(2 * buffer_.size(), used_ + bytes));
    return buffer_.data() + used_;
}

void JsonWriter::Used(const char* end) {
    used_ = static_cast<size_t>(end - buffer_.data());
}

void JsonWriter::Put(std::string_view piece) {
    Used(CopyShort(Room(piece.size()), piece.data(), piece.size()));
}

void JsonWriter::NewLine() {
    if (used_ >= kFlushBytes)
        Flush();
    if (compact_)
        return;
    const size_t indent = 2 * levels_.size();
    char* at = Room(1 + indent + kBlankRun);
    *at++ = '\n';
    Used(Blanks(at, indent));
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty())
        return;
    if (!levels_.back().empty)
        Put(",");
    levels_.back().empty = false;
    NewLine();
}

void JsonWriter::Open(char bracket, bool array) {
    BeforeValue();
    Put(std::string_view(&bracket, 1));
    levels_.push_back({array, true});
}

void JsonWriter::Close(char bracket) {
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty)
        NewLine();
    Put(std::string_view(&bracket, 1));
    if (levels_.empty()) {
        Put("\n");
        Flush();
    }
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

// The separator, the line break and indentation, and the key in one piece, and room after it
// for a value of valueBytes: written once per value of every paper, this is where the writer
// spends its time. Keys are the program's own ASCII names, with nothing to escape.
char* JsonWriter::KeyRoom(std::string_view key, size_t valueBytes) {
    if (used_ >= kFlushBytes)
        Flush();
    Level& level = levels_.back();
    const size_t indent = 2 * levels_.size();
    char* at = Room(2 + indent + kBlankRun + 1 + key.size() + 3 + valueBytes);
    if (!level.empty)
        *at++ = ',';
    level.empty = false;
    if (!compact_) {
        *at++ = '\n';
        at = Blanks(at, indent);
    }
    *at++ = '"';
    at = CopyShort(at, key.data(), key.size());
    std::memcpy(at, "\": ", 3);
    return at + (compact_ ? 2 : 3);
}

void JsonWriter::Key(std::string_view key) {
    Used(KeyRoom(key, 0));
    afterKey_ = true;
}

void JsonWriter::String(std::u16string_view text) {
    BeforeValue();
    if (char* end = PlainAsciiTo(Room(text.size() + 2), text)) {
        Used(end);
        return;
    }
    std::string literal;
    AppendJsonString(literal, text);
    Put(literal);
}

void JsonWriter::Integer(int64_t value) {
    BeforeValue();
    char* at = Room(kIntegerBytes);
    Used(std::to_chars(at, at + kIntegerBytes, value).ptr);
}

void JsonWriter::Float(float value) {
    BeforeValue();
    Used(JsonFloatTo(Room(kFloatTextBytes), value));
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    Put(value ? "true" : "false");
}

void JsonWriter::Null() {
    BeforeValue();
    Put("null");
}

// The fields write key and value in one piece where the value's length is known beforehand.
void JsonWriter::Field(std::string_view key, std::u16string_view text) {
    char* at = KeyRoom(key, text.size() + 2);
    if (char* end = PlainAsciiTo(at, text)) {
        Used(end);
        return;
    }
    Used(at);
    afterKey_ = true;
    String(text);
}

void JsonWriter::Field(std::string_view key, int32_t value) {
    char* at = KeyRoom(key, kIntegerBytes);
    Used(std::to_chars(at, at + kIntegerBytes, value).ptr);
}

void JsonWriter::Field(std::string_view key, float value) {
    Used(JsonFloatTo(KeyRoom(key, kFloatTextBytes), value));
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
