// Small text computations of the catalog readers, kept apart so they can be tested directly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sheetwise {

// Decodes the escapes a catalog line may hold: "\x" with one or two hex digits, "\" with one to
// three octal digits, "\" before anything else gives that character ("\x" alone gives "x").
// The result replaces what `decoded` held, in its buffer, which a reader reuses for every field.
void DecodeEscapes(std::u16string_view text, std::u16string& decoded);

// Skips every character before the first digit and reads the digits that follow; no sign.
// 0 when there is no digit; saturates at INT32_MAX.
int32_t ReadUnsignedDigits(std::u16string_view text);

// A decimal integer after optional blanks, with an optional sign; 0 when there is none.
// Saturates at the limits of int32_t.
int32_t ReadLeadingInteger(std::u16string_view text);

// A size measure: characters other than digits, "." and "," are skipped, then digits and an
// optional fraction after "." or ",". No sign, no exponent.
float ReadSizeNumber(std::u16string_view text);

// True when the text is one or more decimal digits and nothing else.
bool IsDigits(std::u16string_view text);

// Decimal text of a number, "-" before a negative one.
std::u16string FormatDecimal(int64_t value);

// Highest number UniqueNameCandidate is asked for when a name is made unique.
inline constexpr int kMaxUniqueNameNumber = 99;

// A paper name followed by a number, as a name is made unique (by an import, by Duplicate); when
// both together exceed 32 characters, the name loses characters from its end so that the
// candidate has exactly 32.
std::u16string UniqueNameCandidate(std::u16string_view name, int number);

// Splits a text at every separator, keeping empty pieces.
std::vector<std::u16string> SplitJoined(std::u16string_view joined, char16_t separator);

}  // namespace sheetwise
