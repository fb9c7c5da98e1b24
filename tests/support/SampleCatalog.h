// The catalog most tests start from: three sizes, the attribute lists, and three papers that
// use every kind of value (a size of each unit, the wildcards, both imaged-sides modes).
#pragma once

namespace sheetwise::testing {

inline constexpr const char* kSizes =
    "8.5:11:0:0:0:Letter 8.5 x 11 in\n"
    "210:297:0:0:1:A4 210 x 297 mm\n"
    "9:11:0:0:0:Tab 9 x 11 in\n";

inline constexpr const char* kAttributes =
    "[PaperWeights]\n*\n75\n160\n[PaperTypes]\n*\nplain\ncover\ntab\n[PaperColors]\n*"
    "\nwhite\nblue\n\n";

// The paper lines, to follow a first line of the test's own.
inline constexpr const char* kPapers =
    "Letter:1:75:white:plain:2:0\n"
    "A4_Cover:2:160:blue:cover:1:1\n"
    "Tab_Stock:3:*:*:tab:0:0\n";

}  // namespace sheetwise::testing
