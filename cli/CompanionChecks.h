// check's reading of a catalog's two companions, line by line as the catalog's own readers read
// them, noting every line they skip, drop or change.
#pragma once

#include <string>
#include <vector>

#include "cli/CheckFindings.h"
#include "model/PaperDefinition.h"

namespace sheetwise::cli {

struct SizeFileReport {
    std::string file;  // the name it has on disk
    bool opened = false;
    bool clean = false;    // read to its end without a dropped line (status 0)
    size_t sizeCount = 0;  // the sizes the reader keeps
};

// Reads the size-definition file as the catalog does (text mode, each byte one character).
SizeFileReport CheckSizeFile(const std::u16string& sizePath, Findings& findings);

struct AttributeFileReport {
    std::string file;
    bool opened = false;
    bool clean = false;  // read to its end (status 0)
    AttributeList weights;
    AttributeList types;
    AttributeList colours;
};

// Reads the attribute file of a catalog path as the catalog does.
AttributeFileReport CheckAttributeFile(const std::u16string& catalogPath, Findings& findings);

}  // namespace sheetwise::cli
