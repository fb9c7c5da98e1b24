// The papers as CSV for spreadsheets: a header row with the same names as the JSON keys, then one
// record per paper. Quoting follows RFC 4180: a field holding a comma, a double quote, CR or LF
// is enclosed in double quotes with its quotes doubled; records end with CR LF.
//
// A spreadsheet takes a cell that starts with "=", "+", "-" or "@" (or a tab or CR) for a formula,
// and a catalog file is anybody's text: a name like "-1+cmd|..." would run in the spreadsheet of
// whoever opens the export. So a name, colour or type that starts so gets a leading "'", which
// spreadsheets show as text and do not display; numbers stay as they are.
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

enum class CsvFormulas { kNeutralise, kRaw };

// True when a spreadsheet would take a cell with this text for a formula.
bool StartsLikeFormula(std::u16string_view text);

void WritePapersCsv(std::ostream& out, const std::vector<PaperDefinition>& papers,
                    CsvFormulas formulas = CsvFormulas::kNeutralise);

}  // namespace sheetwise::cli
