#include "import/ImportCleaning.h"

#include <algorithm>
#include <limits>

#include "formats/CatalogText.h"
#include "model/WeightRange.h"

namespace sheetwise {
namespace {

constexpr size_t kNone = std::u16string_view::npos;

bool IsDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

bool IsFractionMark(char16_t unit) {
    return unit == u'.' || unit == u',';
}

char16_t LowerAscii(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

size_t FirstDigitFrom(std::u16string_view text, size_t from) {
    for (size_t i = from; i < text.size(); ++i) {
        if (IsDigit(text[i]))
            return i;
    }
    return kNone;
}

size_t LastDigit(std::u16string_view text) {
    for (size_t i = text.size(); i > 0; --i) {
        if (IsDigit(text[i - 1]))
            return i - 1;
    }
    return kNone;
}

// Where the dimensions of a size text start: its first digit when the text starts with one,
// else the first digit after its first space, so that "A4 210 x 297 mm" does not start at "4".
size_t FirstDimensionDigit(std::u16string_view text) {
    const size_t first = FirstDigitFrom(text, 0);
    if (first == 0 || first == kNone)
        return first;
    const size_t space = text.find(u' ');
    return FirstDigitFrom(text, space == kNone ? 0 : space + 1);
}

// Index just past the digits that start at i.
size_t EndOfDigits(std::u16string_view text, size_t i) {
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

}  // namespace

bool ReplaceColons(std::u16string& text) {
    bool replaced = false;
    for (char16_t& unit : text) {
        if (unit == u':') {
            unit = u'_';
            replaced = true;
        }
    }
    return replaced;
}

bool StartsWithDefaultMarker(std::u16string_view text) {
    return text.substr(0, 2) == u"<<";
}

bool IsImportWhiteSpace(char16_t unit) {
    return (unit >= 0x09 && unit <= 0x0D) || unit == 0x20 || unit == 0x85 || unit == 0xA0 ||
           unit == 0x1680 || (unit >= 0x2000 && unit <= 0x200A) || unit == 0x2028 ||
           unit == 0x2029 || unit == 0x202F || unit == 0x205F || unit == 0x3000;
}

std::u16string RemoveWhiteSpace(std::u16string_view text) {
    std::u16string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char16_t unit) { return !IsImportWhiteSpace(unit); });
    return kept;
}

std::u16string CleanWeightText(std::u16string_view weight) {
    return std::u16string(weight.substr(0, weight.find_first_of(u" gsm")));
}

std::u16string CleanSizeText(std::u16string_view size) {
    std::u16string_view text = size;
    size_t first = FirstDimensionDigit(text);
    if (first == kNone) {
        text = kDefaultImportSize;
        first = FirstDimensionDigit(text);
    }
    const size_t last = LastDigit(text);
    std::u16string dimensions = RemoveZeroFractions(text.substr(first, last - first + 1));
    dimensions += NamesMillimetres(text.substr(last + 1)) ? u" mm" : u"\"";
    return dimensions;
}

std::u16string RemoveZeroFractions(std::u16string_view text) {
    std::u16string kept;
    kept.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (!IsDigit(text[i])) {
            kept.push_back(text[i++]);
            continue;
        }
        const size_t integerEnd = EndOfDigits(text, i);
        kept.append(text.substr(i, integerEnd - i));
        i = integerEnd;
        if (i + 1 < text.size() && IsFractionMark(text[i]) && IsDigit(text[i + 1])) {
            const size_t fractionEnd = EndOfDigits(text, i + 1);
            const std::u16string_view fraction = text.substr(i, fractionEnd - i);
            if (fraction.find_first_not_of(u'0', 1) != kNone)
                kept.append(fraction);
            i = fractionEnd;
        }
    }
    return kept;
}

bool NamesMillimetres(std::u16string_view afterLastDigit) {
    if (afterLastDigit.find(u" mm") != kNone)
        return true;
    const size_t unit = afterLastDigit.find_first_not_of(u" \t");
    return unit != kNone && unit + 1 < afterLastDigit.size() &&
           LowerAscii(afterLastDigit[unit]) == u'm' && LowerAscii(afterLastDigit[unit + 1]) == u'm';
}

bool ReadSizeNumberField(std::u16string_view field, int32_t& number) {
    if (field.empty() || !std::all_of(field.begin(), field.end(), IsDigit))
        return false;
    int64_t value = 0;
    for (const char16_t digit : field) {
        value = std::min<int64_t>(value * 10 + (digit - u'0'), std::numeric_limits<int32_t>::max());
    }
    number = static_cast<int32_t>(value);
    return true;
}

int32_t ReadWeightField(std::u16string_view field) {
    return !field.empty() && field.front() == u'*' ? 0 : ReadLeadingInteger(field);
}

bool IsAllowedImportWeight(int32_t weight) {
    return weight == 0 || IsWeightInRange(weight);
}

int32_t ImagedSidesFromField(std::u16string_view field) {
    switch (ReadLeadingInteger(field)) {
        case 1:
            return 1;
        case 2:
            return 0;
        default:
            return 2;
    }
}

}  // namespace sheetwise
