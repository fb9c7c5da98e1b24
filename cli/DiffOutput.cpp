#include "cli/DiffOutput.h"

#include <cstring>

#include "cli/CatalogJson.h"
#include "cli/Console.h"
#include "cli/JsonWriter.h"
#include "formats/AttributeFile.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

// The position an operator sees for a catalog index: the row of the paper list, from 1.
int64_t Row(int32_t index) {
    return int64_t{index} + 1;
}

bool BytesDiffer(const std::string& first, const std::string& second) {
    std::string a;
    std::string b;
    const bool readA = ReadFileBytes(first, a) == ReadResult::kOk;
    const bool readB = ReadFileBytes(second, b) == ReadResult::kOk;
    return readA != readB || a != b;
}

std::string ValueText(const DiffValue& value) {
    if (const auto* number = std::get_if<int32_t>(&value))
        return std::to_string(*number);
    if (const auto* measure = std::get_if<float>(&value))
        return FloatText(*measure);
    return Quoted(std::get<std::u16string>(value));
}

std::string FieldsText(const std::vector<FieldChange>& fields) {
    std::string text;
    for (const FieldChange& change : fields) {
        text += text.empty() ? "" : ", ";
        text += std::string(change.field) + " " + ValueText(change.from) + " -> " +
                ValueText(change.to);
    }
    return text;
}

// A paper as a save writes its line.
std::string PaperLine(const PaperDefinition& paper) {
    return Shown(paper.name) + ":" + std::to_string(int64_t{paper.sizeIndex} + 1) + ":" +
           std::to_string(paper.weight) + ":" + Shown(paper.colour) + ":" + Shown(paper.type) +
           ":" + std::to_string(paper.imagedSides) + ":" + std::to_string(paper.precollated);
}

std::string SizeLine(const PaperSize& size) {
    return Shown(size.widthText) + ":" + Shown(size.heightText) + ":" + FloatText(size.third) +
           ":" + FloatText(size.fourth) + ":" + std::to_string(size.unit) + ":" + Shown(size.text);
}

void PrintList(std::ostream& out, const char* name, const ListDiff& list) {
    for (const std::u16string& value : list.removed)
        out << name << ": removed " << Quoted(value) << "\n";
    for (const std::u16string& value : list.added)
        out << name << ": added " << Quoted(value) << "\n";
    if (list.reordered)
        out << name << ": the values both hold stand in another order\n";
}

void PrintPapers(std::ostream& out, const CatalogDiff& diff, const PaperCatalog& first,
                 const PaperCatalog& second) {
    const auto& a = first.papers();
    const auto& b = second.papers();
    for (const int32_t i : diff.removedPapers)
        out << "paper " << Quoted(a[size_t(i)].name) << ": removed from " << Row(i) << " ("
            << PaperLine(a[size_t(i)]) << ")\n";
    for (const int32_t i : diff.addedPapers)
        out << "paper " << Quoted(b[size_t(i)].name) << ": added at " << Row(i) << " ("
            << PaperLine(b[size_t(i)]) << ")\n";
    for (const PaperPair& move : diff.movedPapers)
        out << "paper " << Quoted(a[size_t(move.from)].name) << ": moved from " << Row(move.from)
            << " to " << Row(move.to) << "\n";
    for (const PaperPair& change : diff.changedPapers)
        out << "paper " << Quoted(a[size_t(change.from)].name) << ": " << FieldsText(change.fields)
            << "\n";
}

void PrintSizes(std::ostream& out, const CatalogDiff& diff, const PaperCatalog& first,
                const PaperCatalog& second) {
    for (const SizeChange& change : diff.changedSizes)
        out << "size " << Row(change.index) << ": " << FieldsText(change.fields) << "\n";
    for (const int32_t i : diff.removedSizes)
        out << "size " << Row(i) << ": removed (" << SizeLine(first.sizes()[size_t(i)]) << ")\n";
    for (const int32_t i : diff.addedSizes)
        out << "size " << Row(i) << ": added (" << SizeLine(second.sizes()[size_t(i)]) << ")\n";
}

void JsonValue(JsonWriter& json, const DiffValue& value) {
    if (const auto* number = std::get_if<int32_t>(&value))
        json.Integer(*number);
    else if (const auto* measure = std::get_if<float>(&value))
        json.Float(*measure);
    else
        json.String(std::get<std::u16string>(value));
}

void JsonChange(JsonWriter& json, const char* key,
                const std::optional<std::pair<std::u16string, std::u16string>>& change) {
    json.Key(key);
    if (!change) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Field("from", change->first);
    json.Field("to", change->second);
    json.EndObject();
}

void JsonFields(JsonWriter& json, const std::vector<FieldChange>& fields) {
    json.Key("fields");
    json.BeginArray();
    for (const FieldChange& change : fields) {
        json.BeginObject();
        json.Field("field", std::u16string(change.field, change.field + strlen(change.field)));
        json.Key("from");
        JsonValue(json, change.from);
        json.Key("to");
        JsonValue(json, change.to);
        json.EndObject();
    }
    json.EndArray();
}

void JsonIndexedPapers(JsonWriter& json, const char* key, const std::vector<int32_t>& indexes,
                       const PaperCatalog& catalog) {
    json.Key(key);
    json.BeginArray();
    for (const int32_t i : indexes) {
        json.BeginObject();
        json.Field("index", i);
        json.Key("paper");
        WritePaperJson(json, catalog.papers()[size_t(i)]);
        json.EndObject();
    }
    json.EndArray();
}

void JsonPairs(JsonWriter& json, const char* key, const std::vector<PaperPair>& pairs,
               const PaperCatalog& first, bool withFields) {
    json.Key(key);
    json.BeginArray();
    for (const PaperPair& pair : pairs) {
        json.BeginObject();
        json.Field("name", first.papers()[size_t(pair.from)].name);
        json.Field("from", pair.from);
        json.Field("to", pair.to);
        if (withFields)
            JsonFields(json, pair.fields);
        json.EndObject();
    }
    json.EndArray();
}

void JsonList(JsonWriter& json, const char* key, const ListDiff& list) {
    json.Key(key);
    json.BeginObject();
    json.Field("added", list.added);
    json.Field("removed", list.removed);
    json.Field("reordered", list.reordered);
    json.EndObject();
}

void JsonIndexedSizes(JsonWriter& json, const char* key, const std::vector<int32_t>& indexes,
                      const PaperCatalog& catalog, std::u16string_view decimalSeparator) {
    json.Key(key);
    json.BeginArray();
    for (const int32_t i : indexes) {
        json.BeginObject();
        json.Field("index", i);
        json.Key("size");
        WriteSizeJson(json, catalog.sizes()[size_t(i)], decimalSeparator);
        json.EndObject();
    }
    json.EndArray();
}

void JsonSizes(JsonWriter& json, const CatalogDiff& diff, const PaperCatalog& first,
               const PaperCatalog& second, std::u16string_view decimalSeparator) {
    json.Key("sizes");
    json.BeginObject();
    JsonIndexedSizes(json, "added", diff.addedSizes, second, decimalSeparator);
    JsonIndexedSizes(json, "removed", diff.removedSizes, first, decimalSeparator);
    json.Key("changed");
    json.BeginArray();
    for (const SizeChange& change : diff.changedSizes) {
        json.BeginObject();
        json.Field("index", change.index);
        JsonFields(json, change.fields);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void JsonBytes(JsonWriter& json, const std::optional<ByteDiff>& bytes) {
    json.Key("bytes");
    if (!bytes) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Field("catalog", bytes->catalog);
    json.Field("attributes", bytes->attributes);
    json.Field("sizes", bytes->sizes);
    json.EndObject();
}

void JsonCounts(JsonWriter& json, const CatalogDiff& diff) {
    json.Key("counts");
    json.BeginObject();
    json.Field("added", static_cast<int32_t>(diff.addedPapers.size()));
    json.Field("removed", static_cast<int32_t>(diff.removedPapers.size()));
    json.Field("changed", static_cast<int32_t>(diff.changedPapers.size()));
    json.Field("moved", static_cast<int32_t>(diff.movedPapers.size()));
    json.EndObject();
}

}  // namespace

ByteDiff DiffBytes(const PaperCatalog& first, const PaperCatalog& second) {
    return {BytesDiffer(ToNativePath(first.path()), ToNativePath(second.path())),
            BytesDiffer(AttributeFilePath(first.path()), AttributeFilePath(second.path())),
            BytesDiffer(ToNativePath(first.sizePath()), ToNativePath(second.sizePath()))};
}

void PrintDiffLines(std::ostream& out, const CatalogDiff& diff, const PaperCatalog& first,
                    const PaperCatalog& second, const std::optional<ByteDiff>& bytes) {
    if (diff.header)
        out << "header: " << Quoted(diff.header->first) << " -> " << Quoted(diff.header->second)
            << "\n";
    if (diff.defaultName)
        out << "default paper: " << Quoted(diff.defaultName->first) << " -> "
            << Quoted(diff.defaultName->second) << "\n";
    PrintPapers(out, diff, first, second);
    PrintList(out, "weights", diff.weights);
    PrintList(out, "types", diff.types);
    PrintList(out, "colours", diff.colours);
    PrintSizes(out, diff, first, second);
    if (bytes && bytes->catalog)
        out << "bytes: the catalog files differ\n";
    if (bytes && bytes->attributes)
        out << "bytes: the attribute files differ\n";
    if (bytes && bytes->sizes)
        out << "bytes: the size-definition files differ\n";
}

std::string DiffSummary(const CatalogDiff& diff) {
    if (diff.Same())
        return "same";
    std::string summary = std::to_string(diff.addedPapers.size()) + " added, " +
                          std::to_string(diff.removedPapers.size()) + " removed, " +
                          std::to_string(diff.changedPapers.size()) + " changed, " +
                          std::to_string(diff.movedPapers.size()) + " moved";
    const std::pair<bool, const char*> others[] = {
        {diff.header.has_value(), "the header"},
        {diff.defaultName.has_value(), "the default paper"},
        {!diff.weights.empty(), "the weights"},
        {!diff.types.empty(), "the types"},
        {!diff.colours.empty(), "the colours"},
        {!diff.addedSizes.empty() || !diff.removedSizes.empty() || !diff.changedSizes.empty(),
         "the sizes"}};
    std::string also;
    for (const auto& [differs, what] : others) {
        if (differs)
            also += (also.empty() ? "; also " : ", ") + std::string(what);
    }
    return summary + also;
}

void WriteDiffJson(JsonWriter& json, std::u16string_view golden, std::u16string_view file,
                   const CatalogDiff& diff, const PaperCatalog& first, const PaperCatalog& second,
                   const std::optional<ByteDiff>& bytes, std::u16string_view decimalSeparator) {
    json.BeginObject();
    json.Field("golden", golden);
    json.Field("file", file);
    json.Field("same", diff.Same());
    JsonCounts(json, diff);
    JsonChange(json, "header", diff.header);
    JsonChange(json, "defaultName", diff.defaultName);
    json.Key("papers");
    json.BeginObject();
    JsonIndexedPapers(json, "added", diff.addedPapers, second);
    JsonIndexedPapers(json, "removed", diff.removedPapers, first);
    JsonPairs(json, "moved", diff.movedPapers, first, false);
    JsonPairs(json, "changed", diff.changedPapers, first, true);
    json.EndObject();
    JsonList(json, "weights", diff.weights);
    JsonList(json, "types", diff.types);
    JsonList(json, "colours", diff.colours);
    JsonSizes(json, diff, first, second, decimalSeparator);
    JsonBytes(json, bytes);
    json.EndObject();
}

}  // namespace sheetwise::cli
