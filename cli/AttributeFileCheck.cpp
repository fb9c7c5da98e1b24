// The attribute file, as the catalog reads it: sections "[PaperWeights]", "[PaperTypes]" and
// "[PaperColors]", one value a line, each value cut at its first ':'.
#include <unordered_map>

#include "cli/CheckLines.h"
#include "cli/CompanionChecks.h"
#include "cli/Console.h"
#include "formats/AttributeFile.h"
#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "formats/TextConverter.h"
#include "formats/TextLines.h"
#include "model/WeightRange.h"
#include "platform/FileOps.h"

namespace sheetwise::cli {
namespace {

struct Section {
    std::u16string_view header;
    const char* value;  // what one value of the section is called
    ListedValues AttributeFileReport::*list;
};

constexpr Section kSections[] = {
    {u"[PaperWeights]", "weight", &AttributeFileReport::weights},
    {u"[PaperTypes]", "type", &AttributeFileReport::types},
    {u"[PaperColors]", "colour", &AttributeFileReport::colours},
};

std::u16string FoldedAndTrimmed(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u" \t");
    const size_t last = text.find_last_not_of(u" \t");
    std::u16string folded(first == std::u16string_view::npos
                              ? std::u16string_view()
                              : text.substr(first, last - first + 1));
    for (char16_t& unit : folded) {
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
    }
    return folded;
}

class AttributeLineCheck {
  public:
    AttributeLineCheck(AttributeFileReport& report, Findings& findings)
        : report_(report), findings_(findings) {}

    void Check(const std::u16string& line, int32_t number) {
        number_ = number;
        std::u16string text = TakeField(line, u':');
        const bool cut = text.size() < line.size();
        DropTrailingCr(text);
        if (text.starts_with(u'[')) {
            Header(text);
        } else if (text.empty()) {
            if (cut)
                Add("ignored: the line starts with ':'");
        } else if (section_ == nullptr) {
            if (!underUnknown_)
                Add("ignored: the value " + Quoted(text) + " stands before any section header");
        } else {
            std::u16string whole = line;
            DropTrailingCr(whole);
            Value(std::move(text), cut ? &whole : nullptr);
        }
    }

  private:
    void Add(std::string message) { findings_.Add(report_.file, number_, std::move(message)); }

    void Header(std::u16string_view text) {
        section_ = nullptr;
        for (const Section& section : kSections) {
            if (text == section.header)
                section_ = &section;
        }
        underUnknown_ = section_ == nullptr;
        if (section_ != nullptr)
            return;
        std::string message =
            "unknown section header " + Quoted(text) + ": the values below it are ignored";
        for (const Section& section : kSections) {
            if (FoldedAndTrimmed(text) == FoldedAndTrimmed(section.header))
                message += " (the header must read exactly " + Utf8(section.header) + ")";
        }
        Add(std::move(message));
    }

    void Value(std::u16string text, const std::u16string* uncut) {
        if (uncut != nullptr)
            Add("the " + std::string(section_->value) + " " + Quoted(*uncut) +
                " is cut at its ':' and read as " + Quoted(text));
        if (section_->list == &AttributeFileReport::weights) {
            CheckWeight(text);
        } else {
            CheckText(text);
        }
        auto [first, added] = (report_.*(section_->list)).try_emplace(std::move(text), number_);
        if (!added)
            Add("the " + std::string(section_->value) + " " + Quoted(first->first) +
                " is listed again (first on line " + std::to_string(first->second) + ")");
    }

    void CheckWeight(std::u16string_view text) {
        if (text == u"*")
            return;
        if (!IsDigits(text)) {
            Add("the weight " + Quoted(text) + " is neither a number nor \"*\"");
            return;
        }
        const int32_t weight = ReadUnsignedDigits(text);
        if (!IsWeightInRange(weight))
            Add("the weight " + Quoted(text) + " lies outside " + WeightRangeText() +
                " gsm: the editor cannot give it to a paper");
    }

    void CheckText(std::u16string_view text) {
        const std::string what = "the " + std::string(section_->value);
        if (const auto at = FirstDisallowed(text)) {
            Add(DisallowedMessage(what, text, *at) + ": no paper can have it");
        } else if (text.size() > kMaxColourLength) {
            Add(what + " " + Quoted(text) + " is longer than 20 characters: a paper keeps only " +
                Quoted(text.substr(0, kMaxColourLength)));
        }
    }

    AttributeFileReport& report_;
    Findings& findings_;
    int32_t number_ = 0;
    const Section* section_ = nullptr;
    bool underUnknown_ = false;
};

}  // namespace

AttributeFileReport CheckAttributeFile(const std::u16string& catalogPath, Findings& findings) {
    AttributeFileReport report;
    report.file = AttributeFilePath(catalogPath);
    std::string bytes;
    if (ReadFileBytes(report.file, bytes) != ReadResult::kOk) {
        findings.AddUnreadable(report.file,
                               "the attribute file cannot be opened (status 2): the catalog's "
                               "papers are not read");
        return report;
    }
    report.opened = true;
    report.clean = true;
    const SystemTextConverter converter;
    LineReader reader(bytes, LineReader::Narrow::kDecodeAnsi, &converter);
    AttributeLineCheck check(report, findings);
    if (!CheckEveryLine(reader, 1, report.file,
                        "reading stops here (status 3), the values from here on are lost and "
                        "the catalog's papers are not read",
                        findings, [&](const std::u16string& line, int32_t number) {
                            check.Check(line, number);
                        })) {
        report.clean = false;
    }
    return report;
}

}  // namespace sheetwise::cli
