// The size-definition file, as the catalog reads it: width:height:third:fourth:unit:text.
#include "cli/CheckLines.h"
#include "cli/CompanionChecks.h"
#include "cli/Console.h"
#include "formats/CatalogText.h"
#include "formats/TextLines.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

constexpr const char* kFieldNames[] = {"height", "third measure", "fourth measure", "unit"};

bool HasDigit(std::u16string_view text) {
    return text.find_first_of(u"0123456789") != std::u16string_view::npos;
}

class SizeLineCheck {
  public:
    SizeLineCheck(SizeFileReport& report, Findings& findings)
        : report_(report), findings_(findings) {}

    void Check(std::u16string_view line, int32_t number) {
        number_ = number;
        FieldCutter fields(line, u':');
        std::u16string_view width;
        fields.Next(width);
        if (width.empty()) {
            if (!line.empty())
                Add("skipped: the line starts with ':', so it has no width");
            return;
        }
        std::u16string_view values[4];
        for (size_t i = 0; i < 4; ++i) {
            if (!fields.Next(values[i]) || values[i].empty()) {
                Add(std::string("dropped: the ") + kFieldNames[i] +
                    " field is missing or empty (status 4)");
                report_.clean = false;
                return;
            }
        }
        CheckMeasure("width", width);
        CheckMeasure("height", values[0]);
        CheckUnit(values[3]);
        ++report_.sizeCount;
    }

  private:
    void Add(std::string message) { findings_.Add(report_.file, number_, std::move(message)); }

    void CheckMeasure(const char* what, std::u16string_view text) {
        if (!HasDigit(text))
            Add(std::string("the ") + what + " " + Quoted(text) + " holds no number: read as 0");
    }

    void CheckUnit(std::u16string_view text) {
        const int32_t unit = ReadUnsignedDigits(text);
        if (!IsDigits(text))
            Add("the unit " + Quoted(text) + " is read as " + std::to_string(unit));
        if (unit != 0 && unit != 1)
            Add("the unit " + std::to_string(unit) +
                " is neither 0 (inches) nor 1 (millimetres): the sizes list shows no unit");
    }

    SizeFileReport& report_;
    Findings& findings_;
    int32_t number_ = 0;
};

}  // namespace

SizeFileReport CheckSizeFile(const std::u16string& sizePath, Findings& findings) {
    SizeFileReport report;
    const std::string native = ToNativePath(sizePath);
    report.file = native;
    std::string bytes;
    if (ReadFileBytes(native, bytes) != ReadResult::kOk) {
        findings.AddUnreadable(native,
                               "the size-definition file cannot be opened (status 2): the "
                               "catalog's attribute file and papers are not read");
        return report;
    }
    report.opened = true;
    report.clean = true;
    const std::string text = ToTextMode(bytes);
    LineReader reader(text, LineReader::Narrow::kBytes, nullptr);
    SizeLineCheck check(report, findings);
    if (!CheckEveryLine(
            reader, 1, native, "reading stops here (status 3), the sizes from here on are lost",
            findings,
            [&](const std::u16string& line, int32_t number) { check.Check(line, number); })) {
        report.clean = false;
    }
    return report;
}

}  // namespace sheetwise::cli
