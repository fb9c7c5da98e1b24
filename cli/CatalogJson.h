// The JSON forms of catalogs, imported catalogs and papers. Every value is written exactly as the
// catalog holds it: indexes 0-based, weights 0 for the wildcard, measures as their floats.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

#include "formats/PaperDefinition.h"

namespace sheetwise {
class ImportedCatalog;
class PaperCatalog;
}  // namespace sheetwise

namespace sheetwise::cli {

class JsonWriter;

// {"name", "sizeIndex", "width", "height", "weight", "colour", "colourCode", "type", "typeCode",
//  "imagedSides", "precollated", "loadPosition"}
void WritePaperJson(JsonWriter& json, const PaperDefinition& paper);

// {"width", "height", "third", "fourth", "line", "unit", "text", "widthText", "heightText",
//  "listText"}: listText is the size as the editor's sizes list shows it with this decimal
// separator, the text an import's sizes are matched against.
void WriteSizeJson(JsonWriter& json, const PaperSize& size, std::u16string_view decimalSeparator);

// show --json: status, header, default paper, papers, sizes and the three attribute lists.
void WriteCatalogJson(std::ostream& out, const PaperCatalog& catalog,
                      std::u16string_view decimalSeparator);

// export --format json: the papers as an array.
void WritePapersJson(std::ostream& out, const std::vector<PaperDefinition>& papers);

// How an import file was read, the "status" of import --json.
enum ImportStatus : int32_t {
    kImportClean = 0,       // read and cleaned without a warning
    kImportWarnings = 1,    // colons replaced or paper definitions rejected
    kImportFailed = 2,      // an empty section or no valid paper: nothing can be imported
    kImportUnreadable = 3,  // the file cannot be read
};

// import --json: the status, default paper, papers, sizes, lists and flags, as read and cleaned,
// with the keys show --json uses for the same things. An imported size is only the text the
// sizes list is searched for: {"listText"}.
void WriteImportedCatalogJson(std::ostream& out, const ImportedCatalog& imported,
                              ImportStatus status);

}  // namespace sheetwise::cli
