// The catalogs the benchmarks read: many papers spread over four sizes, colours and types.
#pragma once

#include <string>

namespace sheetwise::bench {

inline std::string CatalogFile(int papers) {
    std::string bytes = "Benchmark:Paper_0\n";
    const char* colours[] = {"white", "blue", "ivory", "*"};
    const char* types[] = {"plain", "cover", "recycled", "tab"};
    for (int i = 0; i < papers; ++i) {
        bytes += "Paper_" + std::to_string(i) + ":" + std::to_string(i % 4 + 1) + ":" +
                 std::to_string(60 + i % 141) + ":" + colours[i % 4] + ":" + types[(i / 4) % 4] +
                 ":" + std::to_string(i % 3) + ":" + std::to_string(i % 2) + "\n";
    }
    return bytes;
}

}  // namespace sheetwise::bench
