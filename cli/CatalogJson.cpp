#include "cli/CatalogJson.h"

#include "cli/JsonWriter.h"
#include "import/ImportedCatalog.h"
#include "model/PaperCatalog.h"
#include "model/SizeList.h"

namespace sheetwise::cli {

void WritePaperJson(JsonWriter& json, const PaperDefinition& paper) {
    json.BeginObject();
    json.Field("name", paper.name);
    json.Field("sizeIndex", paper.sizeIndex);
    json.Field("width", paper.width);
    json.Field("height", paper.height);
    json.Field("weight", paper.weight);
    json.Field("colour", paper.colour);
    json.Field("colourCode", paper.colourCode);
    json.Field("type", paper.type);
    json.Field("typeCode", paper.typeCode);
    json.Field("imagedSides", paper.imagedSides);
    json.Field("precollated", paper.precollated);
    json.Field("loadPosition", paper.loadPosition);
    json.EndObject();
}

void WriteSizeJson(JsonWriter& json, const PaperSize& size, std::u16string_view decimalSeparator) {
    json.BeginObject();
    json.Field("width", size.width);
    json.Field("height", size.height);
    json.Field("third", size.third);
    json.Field("fourth", size.fourth);
    json.Field("line", size.line);
    json.Field("unit", size.unit);
    json.Field("text", size.text);
    json.Field("widthText", size.widthText);
    json.Field("heightText", size.heightText);
    json.Field("listText",
               SizeListText(size.widthText, size.heightText, size.unit, decimalSeparator));
    json.EndObject();
}

namespace {

void WritePaperArray(JsonWriter& json, const std::vector<PaperDefinition>& papers) {
    json.BeginArray();
    for (const PaperDefinition& paper : papers)
        WritePaperJson(json, paper);
    json.EndArray();
}

}  // namespace

void WriteCatalogJson(std::ostream& out, const PaperCatalog& catalog,
                      std::u16string_view decimalSeparator) {
    JsonWriter json(out);
    json.BeginObject();
    json.Field("status", catalog.status());
    json.Field("header", catalog.headerText());
    json.Field("defaultIndex", catalog.GetDefaultIndex());
    // The paper that is the default, and apart from it the name the first line gives, which
    // need not be any paper's.
    json.Field("defaultName", catalog.GetDefaultPaper());
    json.Field("defaultNameAsRead", catalog.defaultNameAsRead());
    json.Key("papers");
    WritePaperArray(json, catalog.papers());
    json.Key("sizes");
    json.BeginArray();
    for (const PaperSize& size : catalog.sizes())
        WriteSizeJson(json, size, decimalSeparator);
    json.EndArray();
    json.Field("weights", catalog.GetAttributeList(kWeights));
    json.Field("types", catalog.GetAttributeList(kTypes));
    json.Field("colours", catalog.GetAttributeList(kColours));
    json.EndObject();
}

void WritePapersJson(std::ostream& out, const std::vector<PaperDefinition>& papers) {
    JsonWriter json(out);
    WritePaperArray(json, papers);
}

void WriteImportedCatalogJson(std::ostream& out, const ImportedCatalog& imported,
                              ImportStatus status) {
    JsonWriter json(out);
    json.BeginObject();
    json.Field("status", static_cast<int32_t>(status));
    // The first valid paper is the default; its key number names it in the import file.
    json.Field("defaultIndex", imported.papers().empty() ? -1 : 0);
    json.Field("defaultName", imported.defaultPaperName());
    json.Field("defaultKeyNumber", imported.defaultPaperIndex());
    json.Key("papers");
    WritePaperArray(json, imported.papers());
    json.Key("sizes");
    json.BeginArray();
    for (const std::u16string& size : imported.sizes()) {
        json.BeginObject();
        json.Field("listText", size);
        json.EndObject();
    }
    json.EndArray();
    json.Field("weights", imported.weights());
    json.Field("types", imported.types());
    json.Field("colours", imported.colours());
    json.Field("forced", imported.forced());
    json.Field("failed", imported.failed());
    json.Field("colonsReplaced", imported.colonsReplaced());
    json.Field("invalidValue", imported.invalidValue());
    json.Field("missingField", imported.missingField());
    json.Field("defaultPaperFailed", imported.defaultPaperFailed());
    json.Field("invalidPaperCount", imported.invalidPaperCount());
    json.EndObject();
}

}  // namespace sheetwise::cli
