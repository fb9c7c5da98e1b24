// The weights a paper may be given: 60 to 200 gsm, or 0, the wildcard "*". The editor refuses
// others as they are typed, the import drops them, and check calls them out.
#pragma once

#include <cstdint>
#include <string>

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

}  // namespace sheetwise
