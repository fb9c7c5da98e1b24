// The sizes list as the window shows it, which is what an import's size texts are matched
// against.
//
// An import names sizes by their dimensions ("210 x 297 mm"); the catalog keeps its own sizes
// and never takes new ones, so each imported paper gets the catalog size whose list text is the
// same. The texts depend on the locale's decimal separator: "8.5 x 11" only matches where the
// list shows "8.5", not "8,5".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sheetwise {

class PaperCatalog;

struct SizeListItem {
    std::u16string text;
    int32_t sizeIndex = 0;  // the item's data value: the first size with this text

    bool operator==(const SizeListItem&) const = default;
};

// A size's list text: width text, " x ", height text, then " mm" for unit 1, the inch mark '"'
// for unit 0 and nothing for any other unit; the first "." of the width text and of the height
// text is replaced by the decimal separator.
std::u16string SizeListText(std::u16string_view widthText, std::u16string_view heightText,
                            int32_t unit, std::u16string_view decimalSeparator);

// A paper's size as the paper list shows it: the list text of the size at sizeIndex in
// millimetres (unit 1) or else inches; a size index the catalog has no size for shows an empty
// width and height.
std::u16string PaperSizeListText(const PaperCatalog& catalog, int32_t sizeIndex,
                                 std::u16string_view decimalSeparator);

// The items of the sizes list filled afresh from a catalog: one per size in catalog order, except
// that a text equal to an earlier one, ignoring the case of A to Z, is not added again; the item
// keeps the first size's index.
std::vector<SizeListItem> SizeListItemsOf(const PaperCatalog& catalog,
                                          std::u16string_view decimalSeparator);

}  // namespace sheetwise
