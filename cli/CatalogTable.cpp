#include "cli/CatalogTable.h"

#include <algorithm>

#include "cli/Console.h"
#include "cli/JsonWriter.h"
#include "model/FileProblems.h"
#include "model/WeightRange.h"

namespace sheetwise::cli {
namespace {

size_t CharacterCount(std::string_view utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string PrecollatedText(int32_t precollated) {
    if (precollated == 0)
        return "no";
    return precollated == 1 ? "yes" : std::to_string(precollated);
}

std::string UnitName(int32_t unit) {
    if (unit == 0)
        return "in";
    return unit == 1 ? "mm" : std::to_string(unit);
}

std::vector<std::vector<std::string>> PaperRows(const PaperCatalog& catalog) {
    std::vector<std::vector<std::string>> rows = {{"Index", "Name", "Size", "Width", "Height",
                                                   "Weight", "Colour", "Type", "Sides",
                                                   "Precollated"}};
    for (size_t i = 0; i < catalog.papers().size(); ++i) {
        const PaperDefinition& paper = catalog.papers()[i];
        rows.push_back({std::to_string(i), Shown(paper.name), std::to_string(paper.sizeIndex),
                        FloatText(paper.width), FloatText(paper.height),
                        Utf8(WeightListText(paper.weight)), Shown(paper.colour), Shown(paper.type),
                        ImagedSidesName(paper.imagedSides), PrecollatedText(paper.precollated)});
    }
    return rows;
}

std::vector<std::vector<std::string>> SizeRows(const PaperCatalog& catalog) {
    std::vector<std::vector<std::string>> rows = {
        {"Index", "Width", "Height", "Unit", "Line", "Text"}};
    for (size_t i = 0; i < catalog.sizes().size(); ++i) {
        const PaperSize& size = catalog.sizes()[i];
        rows.push_back({std::to_string(i), Shown(size.widthText), Shown(size.heightText),
                        UnitName(size.unit), std::to_string(int64_t{size.line} + 1),
                        Shown(size.text)});
    }
    return rows;
}

std::string DefaultPaperLine(const PaperCatalog& catalog) {
    const int32_t index = catalog.GetDefaultIndex();
    std::string line = "Default paper  ";
    if (index >= 0 && index < catalog.PaperCount()) {
        line += std::to_string(index) + " " + Shown(catalog.GetDefaultPaper());
    } else {
        line += "none (index " + std::to_string(index) + ")";
    }
    const std::u16string& named = catalog.defaultNameAsRead();
    if (named.empty()) {
        line += "\n               (the first line names no default paper)";
    } else if (catalog.FindPaper(named) < 0) {
        line +=
            "\n               (the first line names " + Quoted(named) + ", which no paper carries)";
    }
    return line + "\n";
}

}  // namespace

std::string ImagedSidesName(int32_t mode) {
    switch (mode) {
        case kInserter:
            return "Inserter";
        case kOneSided:
            return "1-Sided";
        case kTwoSided:
            return "1, 2-Sided";
        default:
            return std::to_string(mode);
    }
}

std::string LayOutTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], CharacterCount(row[column]));
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (size_t column = 0; column < row.size(); ++column) {
            line += row[column];
            if (column + 1 < row.size())
                line += std::string(widths[column] - CharacterCount(row[column]) + 2, ' ');
        }
        text += line + "\n";
    }
    return text;
}

std::string ListLine(const std::vector<std::u16string>& values) {
    std::string line;
    for (const std::u16string& value : values) {
        if (!line.empty())
            line += ", ";
        const bool plain = !value.empty() && value.find_first_of(u", \"") == std::u16string::npos;
        line += plain ? Shown(value) : JsonString(value);
    }
    return line;
}

void WriteCatalogTable(std::ostream& out, const PaperCatalog& catalog, std::u16string_view path) {
    out << "Catalog        " << Shown(path) << "\n";
    out << "Status         " << catalog.status() << " (" << StatusMeaning(catalog.status())
        << ")\n";
    out << "Header         " << Shown(catalog.headerText()) << "\n";
    out << DefaultPaperLine(catalog);
    out << "\nPapers (" << catalog.papers().size() << ")\n" << LayOutTable(PaperRows(catalog));
    out << "\nSizes (" << catalog.sizes().size() << ")\n" << LayOutTable(SizeRows(catalog));
    const struct {
        const char* title;
        AttributeKind kind;
    } lists[] = {{"Weights", kWeights}, {"Types", kTypes}, {"Colours", kColours}};
    out << "\n";
    for (const auto& list : lists) {
        const AttributeList& values = catalog.GetAttributeList(list.kind);
        out << list.title << " (" << values.size() << ")";
        if (!values.empty())
            out << ": " << ListLine(values);
        out << "\n";
    }
}

}  // namespace sheetwise::cli
