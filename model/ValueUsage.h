// Which papers use the values a catalog offers: shown beside each value of the attribute lists,
// and named when a value in use cannot be deleted.
//
// Weights are numbers ("*" is 0, "90 gsm" is 90); types and colours are texts that must match
// exactly, letter case included. A size is used by the papers whose size the sizes list shows
// with its text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/SizeList.h"

namespace sheetwise {

class PaperCatalog;

struct ValueUse {
    int32_t papers = 0;                 // how many papers use the value
    std::vector<std::u16string> first;  // the names of the first of them, in catalog order

    // How many papers are named in `first` at most.
    static constexpr size_t kNamed = 10;
};

// For each value of the weights, types or colours (kind), in list order, the papers using it.
std::vector<ValueUse> ValueUses(const PaperCatalog& catalog, int32_t kind);
// The papers using one value of that kind.
ValueUse UseOf(const PaperCatalog& catalog, int32_t kind, const std::u16string& value);
// For each item of the sizes list, the papers whose size it shows.
std::vector<ValueUse> SizeUses(const PaperCatalog& catalog, const std::vector<SizeListItem>& items,
                               std::u16string_view decimalSeparator);

// "Used by A, B and 3 more papers.", "Used by no paper."
std::string UsersText(const ValueUse& use);

}  // namespace sheetwise
