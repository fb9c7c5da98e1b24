#include "formats/CatalogText.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

#include "formats/CharacterCheck.h"

namespace sheetwise {
namespace {

bool IsDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}
bool IsOctal(char16_t unit) {
    return unit >= u'0' && unit <= u'7';
}

int HexValue(char16_t unit) {
    if (IsDigit(unit))
        return unit - u'0';
    if (unit >= u'a' && unit <= u'f')
        return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F')
        return unit - u'A' + 10;
    return -1;
}

// Reads digits from position i on into a saturated magnitude.
int64_t ReadMagnitude(std::u16string_view text, size_t& i) {
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > kCap)
            value = kCap;
    }
    return value;
}

// Decodes the escape that starts after the backslash at text[i]; advances i past it.
char16_t DecodeEscape(std::u16string_view text, size_t& i) {
    const char16_t kind = text[i];
    if (kind == u'x') {
        ++i;
        int value = 0;
        int digits = 0;
        while (digits < 2 && i < text.size() && HexValue(text[i]) >= 0) {
            value = value * 16 + HexValue(text[i++]);
            ++digits;
        }
        return digits == 0 ? u'x' : static_cast<char16_t>(value);
    }
    if (IsOctal(kind)) {
        int value = 0;
        for (int digits = 0; digits < 3 && i < text.size() && IsOctal(text[i]); ++digits) {
            value = value * 8 + (text[i++] - u'0');
        }
        return static_cast<char16_t>(value);
    }
    ++i;
    return kind;
}

}  // namespace

void DecodeEscapes(std::u16string_view text, std::u16string& decoded) {
    decoded.clear();
    decoded.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != u'\\') {
            decoded.push_back(text[i++]);
            continue;
        }
        ++i;
        if (i < text.size())
            decoded.push_back(DecodeEscape(text, i));
    }
}

int32_t ReadUnsignedDigits(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && !IsDigit(text[i]))
        ++i;
    const int64_t value = ReadMagnitude(text, i);
    return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

int32_t ReadLeadingInteger(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    const int64_t value = ReadMagnitude(text, i);
    if (negative) {
        return static_cast<int32_t>(std::max<int64_t>(-value, std::numeric_limits<int32_t>::min()));
    }
    return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

float ReadSizeNumber(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && !IsDigit(text[i]) && text[i] != u'.' && text[i] != u',')
        ++i;
    std::string number;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        number.push_back(static_cast<char>(text[i]));
    if (i < text.size() && (text[i] == u'.' || text[i] == u',')) {
        number.push_back('.');
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            number.push_back(static_cast<char>(text[i]));
        }
    }
    if (number.empty() || number == ".")
        return 0.0f;
    if (number.front() == '.')
        number.insert(number.begin(), '0');
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return static_cast<float>(value);
}

std::u16string FormatDecimal(int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::vector<std::u16string> SplitJoined(std::u16string_view joined, char16_t separator) {
    std::vector<std::u16string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t at = joined.find(separator, start);
        pieces.emplace_back(joined.substr(start, at - start));
        if (at == std::u16string_view::npos)
            break;
        start = at + 1;
    }
    return pieces;
}

bool IsDigits(std::u16string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

std::u16string UniqueNameCandidate(std::u16string_view name, int number) {
    const std::u16string digits = FormatDecimal(number);
    const size_t room = kMaxNameLength > digits.size() ? kMaxNameLength - digits.size() : 0;
    std::u16string candidate(name.substr(0, room));
    candidate += digits;
    return candidate;
}

}  // namespace sheetwise
