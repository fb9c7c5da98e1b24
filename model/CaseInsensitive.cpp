#include "model/CaseInsensitive.h"

namespace sheetwise {
namespace {

// Blocks where capital and small letter alternate: the capital on even (or odd) units.
struct AlternatingBlock {
    char16_t first;
    char16_t last;
    bool capitalEven;
};

constexpr AlternatingBlock kAlternating[] = {
    {0x0100, 0x012F, true},  {0x0132, 0x0137, true},  {0x0139, 0x0148, false},
    {0x014A, 0x0177, true},  {0x0179, 0x017E, false}, {0x01A0, 0x01A1, true},
    {0x01AF, 0x01B0, false}, {0x0218, 0x021F, true},  {0x0460, 0x0481, true},
    {0x048A, 0x04BF, true},  {0x04C1, 0x04CE, false}, {0x04D0, 0x052F, true},
    {0x1E00, 0x1E95, true},  {0x1EA0, 0x1EFF, true},
};

char16_t FoldSpecial(char16_t unit) {
    switch (unit) {
        case 0x0130:  // Turkish capital I with dot
            return u'i';
        case 0x0178:
            return 0x00FF;
        case 0x0386:
            return 0x03AC;
        case 0x038C:
            return 0x03CC;
        case 0x038E:
            return 0x03CD;
        case 0x038F:
            return 0x03CE;
        case 0x03C2:  // final sigma
            return 0x03C3;
        case 0x04C0:
            return 0x04CF;
        case 0x1E9E:  // capital sharp s
            return 0x00DF;
        default:
            return unit;
    }
}

}  // namespace

char16_t FoldCase(char16_t unit) {
    if (unit < 0x80)
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
    if ((unit >= 0x00C0 && unit <= 0x00DE && unit != 0x00D7) ||
        (unit >= 0x0391 && unit <= 0x03AB && unit != 0x03A2) ||
        (unit >= 0x0410 && unit <= 0x042F) || (unit >= 0xFF21 && unit <= 0xFF3A))
        return static_cast<char16_t>(unit + 32);
    if (unit >= 0x0388 && unit <= 0x038A)
        return static_cast<char16_t>(unit + 37);
    if (unit >= 0x0400 && unit <= 0x040F)
        return static_cast<char16_t>(unit + 80);
    for (const AlternatingBlock& block : kAlternating) {
        if (unit >= block.first && unit <= block.last)
            return (unit % 2 == 0) == block.capitalEven ? static_cast<char16_t>(unit + 1) : unit;
    }
    return FoldSpecial(unit);
}

std::u16string FoldCase(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t& unit : folded)
        unit = FoldCase(unit);
    return folded;
}

bool ContainsFolded(std::u16string_view text, std::u16string_view foldedNeedle) {
    if (foldedNeedle.size() > text.size())
        return false;
    const size_t last = text.size() - foldedNeedle.size();
    for (size_t start = 0; start <= last; ++start) {
        size_t matched = 0;
        while (matched < foldedNeedle.size() &&
               FoldCase(text[start + matched]) == foldedNeedle[matched])
            ++matched;
        if (matched == foldedNeedle.size())
            return true;
    }
    return false;
}

}  // namespace sheetwise
