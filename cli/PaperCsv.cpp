#include "cli/PaperCsv.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "cli/JsonWriter.h"

namespace sheetwise::cli {
namespace {

const std::vector<std::string> kColumns = {
    "name",       "sizeIndex", "width",    "height",      "weight",      "colour",
    "colourCode", "type",      "typeCode", "imagedSides", "precollated", "loadPosition"};

// Below this the buffer is not worth a write.
constexpr size_t kFlushBytes = 1 << 16;

bool NeedsQuotes(char c) {
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

void AppendField(std::string& out, std::string_view text) {
    if (std::none_of(text.begin(), text.end(), NeedsQuotes)) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// A text field of a paper: UTF-8, quoted only when it needs it. Mostly ASCII that needs no
// quotes, copied unit by unit in the pass that finds out.
void AppendTextField(std::string& out, std::u16string_view text, CsvFormulas formulas) {
    if (formulas == CsvFormulas::kNeutralise && StartsLikeFormula(text)) {
        std::string field = "'";
        AppendUtf8(field, text);
        AppendField(out, field);
        return;
    }
    const size_t at = out.size();
    out.resize(at + text.size());
    char* to = out.data() + at;
    bool plain = true;
    for (const char16_t unit : text) {
        plain &= unit < 0x80 && !NeedsQuotes(static_cast<char>(unit));
        *to++ = static_cast<char>(unit);
    }
    if (plain)
        return;
    out.resize(at);
    AppendUtf8(out, text);
    const std::string_view appended = std::string_view(out).substr(at);
    if (std::none_of(appended.begin(), appended.end(), NeedsQuotes))
        return;
    const std::string field(appended);
    out.resize(at);
    AppendField(out, field);
}

void AppendNumber(std::string& out, int32_t value) {
    char digits[16];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, error == std::errc() ? end : digits);
}

// One record, built in place: a catalog of 100,000 papers is exported in a blink only when no
// paper costs a dozen temporary strings.
void AppendPaper(std::string& out, const PaperDefinition& paper, CsvFormulas formulas) {
    AppendTextField(out, paper.name, formulas);
    out += ',';
    AppendNumber(out, paper.sizeIndex);
    out += ',';
    AppendFloatText(out, paper.width);
    out += ',';
    AppendFloatText(out, paper.height);
    out += ',';
    AppendNumber(out, paper.weight);
    out += ',';
    AppendTextField(out, paper.colour, formulas);
    out += ',';
    AppendNumber(out, paper.colourCode);
    out += ',';
    AppendTextField(out, paper.type, formulas);
    for (const int32_t number :
         {paper.typeCode, paper.imagedSides, paper.precollated, paper.loadPosition}) {
        out += ',';
        AppendNumber(out, number);
    }
    out += "\r\n";
}

}  // namespace

bool StartsLikeFormula(std::u16string_view text) {
    return !text.empty() &&
           std::u16string_view(u"=+-@\t\r").find(text.front()) != std::u16string_view::npos;
}

std::string CsvField(std::string_view text) {
    std::string field;
    AppendField(field, text);
    return field;
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        AppendField(record, fields[i]);
    }
    record += "\r\n";
    return record;
}

void WritePapersCsv(std::ostream& out, const std::vector<PaperDefinition>& papers,
                    CsvFormulas formulas) {
    std::string buffer = CsvRecord(kColumns);
    for (const PaperDefinition& paper : papers) {
        AppendPaper(buffer, paper, formulas);
        if (buffer.size() >= kFlushBytes) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
}

}  // namespace sheetwise::cli
