// check's reading of the catalog file itself, line by line as the catalog's reader reads it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/CheckFindings.h"

namespace sheetwise::cli {

// A paper line the reader accepts, with what the cross-checks need.
struct CheckedPaper {
    int32_t line = 0;
    std::u16string name;
    int32_t weight = 0;
    std::u16string colour;
    std::u16string type;
};

struct CatalogFileReport {
    bool opened = false;
    bool firstLineRead = false;
    bool namesDefault = false;  // the first line has a ':'
    std::u16string defaultName;
    std::vector<CheckedPaper> papers;
};

// Reads the catalog file at path (file: its name in the findings), including the names that
// are taken already. sizeCount is the number of
// sizes the size-definition file gives; sizesKnown is false when that file could not be read,
// and then no size number is called out of range.
CatalogFileReport CheckCatalogFile(const std::u16string& path, const std::string& file,
                                   size_t sizeCount, bool sizesKnown, Findings& findings);

}  // namespace sheetwise::cli
