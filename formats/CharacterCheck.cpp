#include "formats/CharacterCheck.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sheetwise {
namespace {

constexpr std::pair<char16_t, char16_t> kAllowedRanges[] = {
    {0x2C, 0x2E},     {u'0', u'9'},     {u'A', u'Z'},     {u'_', u'_'},     {u'*', u'*'},
    {u'a', u'z'},     {0xC0, 0xD6},     {0xD8, 0xFF},     {0x370, 0x4FF},   {0x2000, 0x206F},
    {0x20AC, 0x20AC}, {0x2100, 0x23FF}, {0x2460, 0x257F}, {0x25A0, 0x26FF}, {0x3000, 0x30FF},
    {0x3200, 0x33FF}, {0x4E00, 0x9FA5}, {0xF900, 0xFAFF}, {0xFF00, 0xFFEF},
};

// ASCII, most of what catalogs hold, by table: every field of every paper line is checked.
constexpr auto kAsciiAllowed = [] {
    std::array<bool, 0x80> allowed{};
    for (const auto& [first, last] : kAllowedRanges) {
        for (char16_t unit = first; unit <= last && unit < 0x80; ++unit)
            allowed[unit] = true;
    }
    return allowed;
}();

}  // namespace

bool IsAllowedCharacter(char16_t unit) {
    if (unit < 0x80)
        return kAsciiAllowed[unit];
    return std::any_of(
        std::begin(kAllowedRanges), std::end(kAllowedRanges),
        [unit](const auto& range) { return unit >= range.first && unit <= range.second; });
}

// The checks call it from a lambda rather than through a pointer, so that it is inlined.
bool PassesCharacterCheck(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char16_t unit) { return IsAllowedCharacter(unit); });
}

std::optional<size_t> FirstDisallowed(std::u16string_view text) {
    const auto found = std::find_if_not(text.begin(), text.end(),
                                        [](char16_t unit) { return IsAllowedCharacter(unit); });
    if (found == text.end())
        return std::nullopt;
    return static_cast<size_t>(found - text.begin());
}

}  // namespace sheetwise
