#include "ui/resources/StringSource.h"

#include <algorithm>
#include <string>

#include "ui/resources/CallerBuffer.h"

namespace sheetwise {

namespace {

bool IsRemoved(char16_t unit, unsigned flags) {
    return ((flags & kRemoveAmpersands) && unit == u'&') ||
           ((flags & kRemoveColons) && unit == u':') || ((flags & kRemovePeriods) && unit == u'.');
}

// Removes the flagged characters from the first `length` units, keeping the terminator after
// them. Returns the new length.
std::size_t RemoveFlagged(std::span<char16_t> buffer, std::size_t length, unsigned flags) {
    auto text = buffer.first(length);
    auto end = std::remove_if(text.begin(), text.end(),
                              [flags](char16_t unit) { return IsRemoved(unit, flags); });
    const auto kept = static_cast<std::size_t>(end - text.begin());
    buffer[kept] = u'\0';
    return kept;
}

// The id as a signed 16-bit decimal number; negative numbers have no digits here.
std::u16string DecimalDigits(std::uint16_t id) {
    const auto value = static_cast<std::int16_t>(id);
    if (value < 0) {
        return {};
    }
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

StringSource::~StringSource() = default;

bool StringSource::Init(std::u16string_view /*language*/) {
    state_ = 0;
    return true;
}

bool StringSource::GetTextWithFallback(std::u16string_view prefix, std::uint16_t id,
                                       std::span<char16_t> buffer, std::size_t& inOutSize,
                                       unsigned flags) {
    if (state_ == 0 && CopyOut(prefix, id, buffer, inOutSize, flags)) {
        return true;
    }
    CopyTerminated<char16_t>(DecimalDigits(id), buffer, inOutSize);
    return false;
}

bool StringSource::GetText(std::u16string_view prefix, std::uint16_t id, int /*unused*/,
                           std::span<char16_t> buffer, std::size_t& inOutSize, unsigned flags) {
    return CopyOut(prefix, id, buffer, inOutSize, flags);
}

bool StringSource::CopyOut(std::u16string_view prefix, std::uint16_t id, std::span<char16_t> buffer,
                           std::size_t& inOutSize, unsigned flags) const {
    std::u16string text;
    if (!GetString(prefix, id, text)) {
        return false;
    }
    const std::size_t capacity = inOutSize;
    std::size_t length = CopyTerminated<char16_t>(text, buffer, capacity);
    if (capacity == 0 || buffer.empty()) {
        inOutSize = 0;
        return true;
    }
    if (flags & (kRemoveAmpersands | kRemoveColons | kRemovePeriods)) {
        length = RemoveFlagged(buffer, length, flags);
    }
    inOutSize = length + 1;
    return true;
}

}  // namespace sheetwise
