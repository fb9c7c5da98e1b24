#include "cli/PaperCsv.h"

#include "cli/Console.h"
#include "cli/JsonWriter.h"

namespace sheetwise::cli {
namespace {

const std::vector<std::string> kColumns = {
    "name",       "sizeIndex", "width",    "height",      "weight",      "colour",
    "colourCode", "type",      "typeCode", "imagedSides", "precollated", "loadPosition"};

std::vector<std::string> PaperFields(const PaperDefinition& paper) {
    return {Utf8(paper.name),
            std::to_string(paper.sizeIndex),
            FloatText(paper.width),
            FloatText(paper.height),
            std::to_string(paper.weight),
            Utf8(paper.colour),
            std::to_string(paper.colourCode),
            Utf8(paper.type),
            std::to_string(paper.typeCode),
            std::to_string(paper.imagedSides),
            std::to_string(paper.precollated),
            std::to_string(paper.loadPosition)};
}

}  // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        record += CsvField(fields[i]);
    }
    record += "\r\n";
    return record;
}

void WritePapersCsv(std::ostream& out, const std::vector<PaperDefinition>& papers) {
    out << CsvRecord(kColumns);
    for (const PaperDefinition& paper : papers)
        out << CsvRecord(PaperFields(paper));
}

}  // namespace sheetwise::cli
