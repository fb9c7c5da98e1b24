// The papers as CSV for spreadsheets: a header row with the same names as the JSON keys, then one
// record per paper. Quoting follows RFC 4180: a field holding a comma, a double quote, CR or LF
// is enclosed in double quotes with its quotes doubled; records end with CR LF.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "formats/PaperDefinition.h"

namespace sheetwise::cli {

std::string CsvField(std::string_view text);

// The fields joined by commas, each quoted as it needs, ended by CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

void WritePapersCsv(std::ostream& out, const std::vector<PaperDefinition>& papers);

}  // namespace sheetwise::cli
