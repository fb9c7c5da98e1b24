// The JSON forms of catalogs, imported catalogs and papers. Every value is written exactly as the
// catalog holds it: indexes 0-based, weights 0 for the wildcard, measures as their floats.
#pragma once

#include <ostream>
#include <vector>

#include "model/PaperDefinition.h"

namespace sheetwise {
class ImportedCatalog;
class PaperCatalog;
}  // namespace sheetwise

namespace sheetwise::cli {

class JsonWriter;

// {"name", "sizeIndex", "width", "height", "weight", "colour", "colourCode", "type", "typeCode",
//  "imagedSides", "precollated", "loadPosition"}
void WritePaperJson(JsonWriter& json, const PaperDefinition& paper);

// {"width", "height", "third", "fourth", "line", "unit", "text", "widthText", "heightText"}
void WriteSizeJson(JsonWriter& json, const PaperSize& size);

// show --json: status, header, default paper, papers, sizes and the three attribute lists.
void WriteCatalogJson(std::ostream& out, const PaperCatalog& catalog);

// export --format json: the papers as an array.
void WritePapersJson(std::ostream& out, const std::vector<PaperDefinition>& papers);

// import --json: the lists, papers, default paper, flags and invalid count, as read and cleaned.
void WriteImportedCatalogJson(std::ostream& out, const ImportedCatalog& imported);

}  // namespace sheetwise::cli
