// check's reading of a catalog's two companions through the catalog's own readers, with what
// only check says about the values they keep.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "cli/CheckFindings.h"
#include "formats/PaperDefinition.h"

namespace sheetwise::cli {

struct SizeFileReport {
    bool opened = false;
    std::vector<PaperSize> sizes;  // as the reader keeps them
};

// Reads the size-definition file as the catalog does (text mode, each byte one character).
SizeFileReport CheckSizeFile(const std::u16string& sizePath, Findings& findings);

// The values of one list, each with the line it first stands on. Kept once, as the keys that
// find values listed again, so that a huge damaged file is held only once in memory.
using ListedValues = std::unordered_map<std::u16string, int32_t>;

struct AttributeFileReport {
    std::string file;
    bool opened = false;
    ListedValues weights;
    ListedValues types;
    ListedValues colours;
};

// Reads the attribute file of a catalog path as the catalog does.
AttributeFileReport CheckAttributeFile(const std::u16string& catalogPath, Findings& findings);

}  // namespace sheetwise::cli
