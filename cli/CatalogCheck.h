// What check finds in one catalog, for the commands that must say why they refuse a catalog.
#pragma once

#include <string>

#include "cli/CheckFindings.h"

namespace sheetwise::cli {

// Every finding check reports for the catalog at path and its companions.
Findings CheckOneCatalog(const std::u16string& path);

}  // namespace sheetwise::cli
