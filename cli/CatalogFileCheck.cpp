// The catalog file, as the catalog reads it:
//
//   header text:default paper name
//   name:size number:weight:colour:type:imaged sides:precollated
//
// The order of the checks on a paper line is the reader's: the name's characters first, then the
// presence of fields 2 to 5, then the colour's and the type's characters. Whatever makes the
// reader drop a line is reported once, and nothing after it on that line.
#include "cli/CatalogFileCheck.h"
#include "cli/CheckLines.h"

#include <optional>
#include <unordered_map>

#include "cli/CatalogTable.h"
#include "cli/Console.h"
#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "formats/TextConverter.h"
#include "formats/TextLines.h"
#include "model/WeightRange.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

constexpr const char* kRequiredFields[] = {"size number", "weight", "colour", "type"};

// A decimal integer as ReadLeadingInteger reads it in full: blanks, an optional sign, digits.
bool IsPlainInteger(std::u16string_view text) {
    const size_t start = text.find_first_not_of(u" \t");
    if (start == std::u16string_view::npos)
        return false;
    text.remove_prefix(start);
    if (text.front() == u'+' || text.front() == u'-')
        text.remove_prefix(1);
    return IsDigits(text);
}

class PaperLineCheck {
  public:
    PaperLineCheck(const std::string& file, size_t sizeCount, bool sizesKnown, Findings& findings)
        : file_(file), sizeCount_(sizeCount), sizesKnown_(sizesKnown), findings_(findings) {}

    std::optional<CheckedPaper> Check(std::u16string line, int32_t number) {
        number_ = number;
        DropTrailingCr(line);
        FieldCutter fields(line, u':');
        std::u16string_view field;
        fields.Next(field);
        if (field.empty()) {
            if (!line.empty())
                Add("skipped: the line starts with ':', so it has no name");
            return std::nullopt;
        }
        CheckedPaper paper{number, {}, 0, {}, {}};
        if (!TextField("name", field, kMaxNameLength, paper.name))
            return std::nullopt;
        std::u16string_view values[4];
        if (!RequiredFields(fields, values))
            return std::nullopt;
        SizeNumber(values[0]);
        paper.weight = Weight(values[1]);
        if (!TextField("colour", values[2], kMaxColourLength, paper.colour) ||
            !TextField("type", values[3], kMaxTypeLength, paper.type))
            return std::nullopt;
        OptionalFields(fields);
        return paper;
    }

  private:
    void Add(std::string message) { findings_.Add(file_, number_, std::move(message)); }

    // Escapes decoded, characters checked, cut to length, as the reader stores a text field.
    bool TextField(const char* what, std::u16string_view field, size_t maxLength,
                   std::u16string& text) {
        text = DecodeEscapes(field);
        if (text != field)
            Add(std::string("the ") + what + " " + Quoted(field) + " holds escapes: read as " +
                Quoted(text));
        if (const auto at = FirstDisallowed(text)) {
            Add("dropped: " + DisallowedMessage(std::string("the ") + what, text, *at) +
                " (status 12)");
            return false;
        }
        if (text.size() > maxLength) {
            const std::u16string whole = text;
            text.resize(maxLength);
            Add(std::string("the ") + what + " " + Quoted(whole) + " is cut to " +
                std::to_string(maxLength) + " characters: " + Quoted(text));
        }
        return true;
    }

    bool RequiredFields(FieldCutter& fields, std::u16string_view (&values)[4]) {
        for (size_t i = 0; i < 4; ++i) {
            if (!fields.Next(values[i])) {
                Add(std::string("dropped: the line ends before its ") + kRequiredFields[i] +
                    " field (status 11)");
                return false;
            }
            if (values[i].empty()) {
                Add(std::string("dropped: the ") + kRequiredFields[i] +
                    " field is empty (status 11)");
                return false;
            }
        }
        return true;
    }

    void SizeNumber(std::u16string_view text) {
        const int32_t number = ReadUnsignedDigits(text);
        if (!IsDigits(text))
            Add("the size number " + Quoted(text) + " is read as " + std::to_string(number));
        if (sizesKnown_ && (number == 0 || static_cast<size_t>(number) > sizeCount_))
            Add("the size number " + std::to_string(number) + " is out of range (the " +
                "size-definition file has " + std::to_string(sizeCount_) +
                " sizes): the paper gets no size and is saved with size number 0");
    }

    int32_t Weight(std::u16string_view text) {
        if (text.front() == u'*') {
            if (text != u"*")
                Add("the weight " + Quoted(text) + " is read as * (any weight)");
            return 0;
        }
        const int32_t weight = ReadUnsignedDigits(text);
        if (!IsDigits(text))
            Add("the weight " + Quoted(text) + " is read as " + std::to_string(weight) +
                (weight == 0 ? " (* any weight)" : ""));
        if (weight != 0 && !IsWeightInRange(weight))
            Add("the weight " + std::to_string(weight) + " lies outside " + WeightRangeText() +
                " gsm: the editor would not take it as typed");
        return weight;
    }

    void OptionalFields(FieldCutter& fields) {
        std::u16string_view field;
        if (fields.Next(field)) {
            const int32_t read = ReadUnsignedDigits(field);
            const int32_t mode = read == kInserter || read == kOneSided ? read : kTwoSided;
            if (field != u"0" && field != u"1" && field != u"2")
                Add("the imaged sides " + Quoted(field) + " are read as " + std::to_string(mode) +
                    " (" + ImagedSidesName(mode) + ")");
        }
        if (fields.Next(field) && !field.empty()) {
            const int32_t precollated = ReadLeadingInteger(field);
            if (!IsPlainInteger(field))
                Add("the precollated flag " + Quoted(field) + " is read as " +
                    std::to_string(precollated));
            else if (precollated != 0 && precollated != 1)
                Add("the precollated flag " + std::to_string(precollated) + " is neither 0 nor 1");
        }
        const std::u16string_view rest = fields.Rest();
        if (fields.Next(field) && !rest.empty())
            Add("ignored: the text after the seventh field, " + Quoted(rest));
    }

    const std::string& file_;
    size_t sizeCount_;
    bool sizesKnown_;
    Findings& findings_;
    int32_t number_ = 0;
};

void CheckHeaderLine(std::u16string line, const std::string& file, CatalogFileReport& report,
                     Findings& findings) {
    DropTrailingCr(line);
    const size_t colon = line.find(u':');
    if (colon == std::u16string::npos)
        return;
    report.namesDefault = true;
    report.defaultName = line.substr(colon + 1);
    if (const auto at = FirstDisallowed(report.defaultName))
        findings.Add(
            file, 1,
            DisallowedMessage("the default paper name", report.defaultName, *at) + " (status 12)");
}

// Reported where the second paper of a name is read, so that nothing waits for the end.
void CheckDuplicateName(const CheckedPaper& paper,
                        std::unordered_map<std::u16string, int32_t>& firstLines,
                        const std::string& file, Findings& findings) {
    const auto [first, added] = firstLines.try_emplace(paper.name, paper.line);
    if (!added)
        findings.Add(file, paper.line,
                     "the name " + Quoted(paper.name) + " is taken already (line " +
                         std::to_string(first->second) +
                         "): finding a paper by this name gives the first one");
}

std::string TooLong(const char* what) {
    return std::string(what) + " is longer than " + std::to_string(kMaxLineBytes) + " bytes";
}

}  // namespace

CatalogFileReport CheckCatalogFile(const std::u16string& path, const std::string& file,
                                   size_t sizeCount, bool sizesKnown, Findings& findings) {
    CatalogFileReport report;
    std::string bytes;
    if (path.empty() || ReadFileBytes(ToNativePath(path), bytes) != ReadResult::kOk) {
        findings.AddUnreadable(file, "the catalog file cannot be opened");
        return report;
    }
    report.opened = true;
    const SystemTextConverter converter;
    LineReader reader(bytes, LineReader::Narrow::kDecodeAnsi, &converter);
    std::u16string line;
    const LineReader::Result first = reader.Next(line);
    if (first != LineReader::Result::kLine) {
        findings.Add(file, first == LineReader::Result::kEnd ? 0 : 1,
                     first == LineReader::Result::kEnd
                         ? "the file is empty: it has no first line (status 7)"
                         : TooLong("the first line") + ": nothing can be read (status 7)");
        return report;
    }
    report.firstLineRead = true;
    CheckHeaderLine(line, file, report, findings);
    PaperLineCheck check(file, sizeCount, sizesKnown, findings);
    std::unordered_map<std::u16string, int32_t> firstLines;
    CheckEveryLine(reader, 2, file,
                   "reading stops here (status 7), this paper and all after it are lost", findings,
                   [&](const std::u16string& paperLine, int32_t number) {
                       if (auto paper = check.Check(paperLine, number)) {
                           CheckDuplicateName(*paper, firstLines, file, findings);
                           report.papers.push_back(std::move(*paper));
                       }
                   });
    return report;
}

}  // namespace sheetwise::cli
