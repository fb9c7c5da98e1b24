// What an import or a merge tells about the import file: colons replaced, a default paper it
// could not take over, and every definition and value left out, in one message naming each.
#pragma once

#include <utility>
#include <vector>

#include "formats/PaperDefinition.h"

namespace sheetwise {

class ImportedCatalog;
class SessionPrompts;

// rejectedPapers: indexes into imported.papers() the catalog refused; rejectedValues: the
// values refused, with their kinds.
void ReportImportFindings(
    const ImportedCatalog& imported, const std::vector<size_t>& rejectedPapers,
    const std::vector<std::pair<AttributeKind, std::u16string>>& rejectedValues,
    SessionPrompts& prompts);

}  // namespace sheetwise
