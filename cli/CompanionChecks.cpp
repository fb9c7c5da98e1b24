#include "cli/CompanionChecks.h"

#include "cli/CheckListener.h"
#include "cli/Console.h"
#include "formats/AttributeFile.h"
#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "formats/SizeFile.h"
#include "model/WeightRange.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

// A status that tells the file was not read at all, rather than read up to a line.
bool Unread(int32_t status, const CheckListener& listener) {
    return status == kStatusPathEmpty || status == kStatusCannotOpen ||
           (status == kStatusReadError && listener.tooLongLine() == 0);
}

class SizeCheck final : public CheckListener {
  public:
    SizeCheck(std::string file, Findings& findings, const std::vector<PaperSize>& sizes)
        : CheckListener(CheckedFile::kSizes, std::move(file), findings), sizes_(sizes) {}

    void LineKept(int32_t line) override {
        const PaperSize& size = sizes_.back();
        if (size.unit != 0 && size.unit != 1)
            AddInconsistency(
                line, FindingCode::kSizeUnitUnknown,
                "the unit " + std::to_string(size.unit) +
                    " is neither 0 (inches) nor 1 (millimetres): the sizes list shows no "
                    "unit");
        WarnOfDisplayHazard(line, "the width", size.widthText);
        WarnOfDisplayHazard(line, "the height", size.heightText);
        WarnOfDisplayHazard(line, "the size's text", size.text);
    }

  private:
    const std::vector<PaperSize>& sizes_;
};

// Takes each value the reader keeps out of its list into the report's set, so that a huge
// damaged file is held only once.
class AttributeCheck final : public CheckListener {
  public:
    AttributeCheck(AttributeFileReport& report, Findings& findings)
        : CheckListener(CheckedFile::kAttributes, report.file, findings), report_(report) {}

    AttributeLists lists() { return {weights_, types_, colours_}; }

    void LineKept(int32_t line) override {
        const bool weight = !weights_.empty();
        AttributeList& list = weight ? weights_ : !types_.empty() ? types_ : colours_;
        const LineField field = weight             ? LineField::kWeight
                                : &list == &types_ ? LineField::kType
                                                   : LineField::kColour;
        weight ? CheckWeight(line, list.back()) : CheckText(line, field, list.back());
        ListedValues& listed = weight             ? report_.weights
                               : &list == &types_ ? report_.types
                                                  : report_.colours;
        const auto [first, added] = listed.try_emplace(std::move(list.back()), line);
        list.pop_back();
        if (!added)
            AddInconsistency(line, FindingCode::kValueListedTwice,
                             std::string("the ") + FieldName(field) + " " + Quoted(first->first) +
                                 " is listed again (first on line " +
                                 std::to_string(first->second) + ")");
    }

  private:
    void CheckWeight(int32_t line, std::u16string_view text) {
        if (text == u"*")
            return;
        if (!IsDigits(text)) {
            AddInconsistency(line, FindingCode::kListedWeightNotNumber,
                             "the weight " + Quoted(text) + " is neither a number nor \"*\"");
            return;
        }
        if (!IsWeightInRange(ReadUnsignedDigits(text)))
            AddInconsistency(line, FindingCode::kListedWeightOutOfRange,
                             "the weight " + Quoted(text) + " lies outside " + WeightRangeText() +
                                 " gsm: the editor cannot give it to a paper");
    }

    void CheckText(int32_t line, LineField field, std::u16string_view text) {
        const std::string what = std::string("the ") + FieldName(field);
        if (const auto at = FirstDisallowed(text)) {
            AddInconsistency(line, FindingCode::kListedValueNotAllowed,
                             DisallowedMessage(what, text, *at) + ": no paper can have it");
            return;
        }
        WarnOfDisplayHazard(line, what, text);
        if (text.size() > kMaxColourLength) {
            AddInconsistency(line, FindingCode::kListedValueTooLong,
                             what + " " + Quoted(text) +
                                 " is longer than 20 characters: a paper keeps only " +
                                 Quoted(text.substr(0, kMaxColourLength)));
        }
    }

    AttributeFileReport& report_;
    AttributeList weights_;
    AttributeList types_;
    AttributeList colours_;
};

}  // namespace

SizeFileReport CheckSizeFile(const std::u16string& sizePath, Findings& findings) {
    SizeFileReport report;
    SizeCheck check(ToNativePath(sizePath), findings, report.sizes);
    const int32_t status = ReadSizeFile(sizePath, report.sizes, &check);
    report.opened = !Unread(status, check);
    if (!report.opened && !check.tooLarge())
        findings.AddUnreadable(check.file(), FindingCode::kSizesUnreadable,
                               "the size-definition file cannot be opened (status 2): the "
                               "catalog's attribute file and papers are not read");
    return report;
}

AttributeFileReport CheckAttributeFile(const std::u16string& catalogPath, Findings& findings) {
    AttributeFileReport report;
    report.file = AttributeFilePath(catalogPath);
    AttributeCheck check(report, findings);
    const int32_t status = ReadAttributeLists(catalogPath, check.lists(), &check);
    report.opened = !Unread(status, check);
    if (!report.opened && !check.tooLarge())
        findings.AddUnreadable(report.file, FindingCode::kAttributesUnreadable,
                               "the attribute file cannot be opened (status 2): the catalog's "
                               "papers are not read");
    return report;
}

}  // namespace sheetwise::cli
