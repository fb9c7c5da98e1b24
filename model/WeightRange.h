// The weights a paper may be given: 60 to 200 gsm, or 0, the wildcard "*". The editor refuses
// others as they are typed, the import drops them, and check calls them out.
#pragma once

#include <cstdint>
#include <string>

#include "formats/CatalogText.h"

namespace sheetwise {

inline constexpr int32_t kMinimumWeight = 60;
inline constexpr int32_t kMaximumWeight = 200;

// True for 60..200; the wildcard 0 is the caller's decision.
inline bool IsWeightInRange(int32_t weight) {
    return weight >= kMinimumWeight && weight <= kMaximumWeight;
}

// "60..200", as messages name the range.
inline std::string WeightRangeText() {
    return std::to_string(kMinimumWeight) + ".." + std::to_string(kMaximumWeight);
}

// The weight as the paper list and the weights list show it: "*" for 0, else the number.
inline std::u16string WeightListText(int32_t weight) {
    return weight == 0 ? std::u16string(u"*") : FormatDecimal(weight);
}

}  // namespace sheetwise
