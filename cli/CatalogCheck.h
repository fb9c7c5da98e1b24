// What check finds in one catalog, for the commands that must say why they refuse a catalog.
#pragma once

#include <string>

#include "cli/CheckFindings.h"

namespace sheetwise::cli {

// Reports every finding check makes for the catalog at path and its companions, in file order.
void CheckOneCatalog(const std::u16string& path, Findings& findings);

// Prints check's findings for a catalog a command refuses, so that the refusal says why.
void PrintFindingsOf(const std::u16string& path, std::ostream& out);

}  // namespace sheetwise::cli
