// The characters a paper name, colour or type may hold. Print servers reject anything else, so
// the reader drops such lines and the editor refuses them as they are typed.
#pragma once

#include <optional>
#include <string_view>

namespace sheetwise {

bool IsAllowedCharacter(char16_t unit);

// True when every character is allowed (an empty text passes). No blank, no colon.
bool PassesCharacterCheck(std::u16string_view text);

// The position (0-based) of the first character the check refuses, if any.
std::optional<size_t> FirstDisallowed(std::u16string_view text);

inline constexpr size_t kMaxNameLength = 32;
inline constexpr size_t kMaxColourLength = 20;
inline constexpr size_t kMaxTypeLength = 20;

}  // namespace sheetwise
