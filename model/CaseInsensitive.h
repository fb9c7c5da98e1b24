// Text compared without regard to letter case, as the find field of the paper list compares it.
//
// The catalog holds texts of the Windows code pages: Latin letters with their accents, Greek,
// Cyrillic, Vietnamese, and the full-width Latin letters of East Asian input. Their capitals map
// to small letters here by a fixed table, the same on every machine and in every locale, so that
// a find never depends on the environment the editor runs in.
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

// The small letter of a capital; any other unit unchanged. Final sigma folds to sigma.
char16_t FoldCase(char16_t unit);
std::u16string FoldCase(std::u16string_view text);

// Whether text contains foldedNeedle (already folded) ignoring letter case. An empty needle is
// in every text.
bool ContainsFolded(std::u16string_view text, std::u16string_view foldedNeedle);

}  // namespace sheetwise
