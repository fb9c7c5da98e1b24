// check listens to the catalog's own readers: every line a reader drops or changes becomes a
// finding of the file it reads, in the order the reader meets them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/CheckFindings.h"
#include "formats/ReadListener.h"

namespace sheetwise::cli {

enum class CheckedFile { kSizes, kAttributes, kCatalog };

class CheckListener : public ReadListener {
  public:
    CheckListener(CheckedFile kind, std::string file, Findings& findings)
        : kind_(kind), file_(std::move(file)), findings_(findings) {}

    void LineDropped(const LineNote& note) override;
    void LineChanged(const LineNote& note) override;

    // A finding of this file about how it was read (line 0: the file as a whole).
    void Add(int32_t line, FindingCode code, std::string message) {
        findings_.Add(file_, line, code, std::move(message));
    }
    // A finding about what was read as written (see Findings::AddInconsistency).
    void AddInconsistency(int32_t line, FindingCode code, std::string message) {
        findings_.AddInconsistency(file_, line, code, std::move(message));
    }

    const std::string& file() const { return file_; }
    // A warning when the text holds a character that must not be shown as it is (a control or
    // bidirectional character): readers keep such text, and a name can display as another.
    void WarnOfDisplayHazard(int32_t line, std::string_view what, std::u16string_view text);

    // The line reading stopped at because it was too long; 0 when none was.
    int32_t tooLongLine() const { return tooLongLine_; }
    // Whether the file was refused for its size (reported as a file that cannot be read).
    bool tooLarge() const { return tooLarge_; }
    // Whether the size-definition file was read, so that size numbers can be out of its range.
    void SetSizesKnown(bool known) { sizesKnown_ = known; }

  private:
    std::string Describe(const LineNote& note) const;
    std::string DescribeNumber(const LineNote& note) const;
    std::string Dropped(const LineNote& note) const;

    CheckedFile kind_;
    std::string file_;
    Findings& findings_;
    int32_t tooLongLine_ = 0;
    bool tooLarge_ = false;
    bool sizesKnown_ = true;
};

// What a field is called in a finding: "size number", "weight", "third measure"...
const char* FieldName(LineField field);

}  // namespace sheetwise::cli
