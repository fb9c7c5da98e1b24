// The cleaning an import file's values go through before they can enter a catalog.
//
// Import files are written by hand or by other tools, so their values carry units ("75 gsm"),
// paper names in the size texts ("A4 210.0 x 297.0 mm"), colons (the catalog's field separator)
// and blanks that the catalog cannot store. Each rule is a pure function here so that it can be
// tested on its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sheetwise {

// What a size without any digit stands for, and the default of the sizes section.
inline constexpr std::u16string_view kDefaultImportSize = u"Letter 8.5 x 11 in";

// Replaces every ':' by '_', however long the text; true when there was one. A colon would cut
// the value in two once it is written to a catalog or attribute file.
bool ReplaceColons(std::u16string& text);

// True when a value starts with "<<", the import file's way of asking for the default.
bool StartsWithDefaultMarker(std::u16string_view text);

// The white-space characters a paper name loses: the ASCII blanks and line ends, the no-break
// space and the Unicode space separators.
bool IsImportWhiteSpace(char16_t unit);
std::u16string RemoveWhiteSpace(std::u16string_view text);

// A weight cut before its first ' ', 'g', 's' or 'm', so that "75 gsm", "75gsm" and
// "90 sheets" keep only their number; a weight without any of them stays as it is.
std::u16string CleanWeightText(std::u16string_view weight);

// A size text turned into the dimension text the sizes list shows, e.g. "A4 210.0 x 297.0 mm"
// into "210 x 297 mm" and "Letter 8.5 x 11 in" into 8.5 x 11 followed by the inch mark.
//   - The dimensions start at the first digit; when the text does not start with a digit, at the
//     first digit after its first space, which skips a paper name such as "A4".
//   - A text without such a digit stands for kDefaultImportSize.
//   - They end at the last digit. " mm" anywhere after it, or "mm" in any letter case right after
//     it (blanks allowed between), makes the unit " mm"; anything else the inch mark '"'.
//   - A fraction of zeros only is dropped from every number (RemoveZeroFractions).
std::u16string CleanSizeText(std::u16string_view size);

// Drops from each number a fraction that consists of zeros only (".0", ".00", ",0"); any other
// fraction stays as written, so "10.05" and "8.50" are kept.
std::u16string RemoveZeroFractions(std::u16string_view text);

// True when what follows a size's last digit names millimetres (see CleanSizeText).
bool NamesMillimetres(std::u16string_view afterLastDigit);

// A paper's size number: true when every character is a decimal digit (the number saturates
// at INT32_MAX); false for anything else, an empty text included.
bool ReadSizeNumberField(std::u16string_view field, int32_t& number);

// A paper's weight field: 0 (any weight) when it starts with '*', otherwise its leading decimal
// number, 0 when there is none.
int32_t ReadWeightField(std::u16string_view field);

// Weights a paper may have: 0 (any) or 60 to 200 gsm.
bool IsAllowedImportWeight(int32_t weight);

// The import file numbers imaged sides 0 = 1, 2-Sided, 1 = 1-Sided, 2 = Inserter; anything else
// is 1, 2-Sided. Gives the catalog's ImagedSidesMode.
int32_t ImagedSidesFromField(std::u16string_view field);

}  // namespace sheetwise
