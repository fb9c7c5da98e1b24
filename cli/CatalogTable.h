// The readable form of a catalog that show prints: its status, header text and default paper,
// then a table of papers, a table of sizes and the three attribute lists.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/PaperCatalog.h"

namespace sheetwise::cli {

void WriteCatalogTable(std::ostream& out, const PaperCatalog& catalog, std::u16string_view path);

// Rows of cells laid out in columns two blanks apart; widths count characters, not bytes.
std::string LayOutTable(const std::vector<std::vector<std::string>>& rows);

// An attribute list on one line: the values joined by ", ", each value that is empty or holds a
// comma, a blank or a double quote written as a JSON string so that the list stays unambiguous.
std::string ListLine(const std::vector<std::u16string>& values);

// How the editor names an imaged-sides mode: "Inserter", "1-Sided", "1, 2-Sided".
std::string ImagedSidesName(int32_t mode);

}  // namespace sheetwise::cli
