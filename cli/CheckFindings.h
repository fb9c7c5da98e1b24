// What check reports: one finding per dropped or changed line and per inconsistency, each with
// the file and, where there is one, the line (1-based) it is about.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/FindingCodes.h"

namespace sheetwise::cli {

class JsonWriter;

// The findings of one file check prints unless told otherwise (--max).
inline constexpr size_t kDefaultMaxFindings = 1000;

// Prints findings the moment they are found, so that memory does not grow with their number:
// "file:line: message" lines, made safe for a terminal (ShownUtf8 in Console.h), or the elements
// of check's JSON object, where a file name that is no UTF-8 keeps its bytes as \udcNN escapes. At
// most `max` findings of a file are printed (0: all); the rest are counted and the count is printed
// when the next file starts or the check ends.
class Findings {
  public:
    enum class Form { kText, kJson };
    // Counts without printing anything.
    Findings();
    Findings(std::ostream& out, Form form, size_t max);
    ~Findings();
    Findings(const Findings&) = delete;
    Findings& operator=(const Findings&) = delete;

    // line 0: the file as a whole. Findings of one file are expected together.
    void Add(const std::string& file, int32_t line, FindingCode code, std::string message);
    // What check says beyond the readers' notes: names taken twice, values missing from their
    // lists and the like, counted apart so that the rest can be held against the readers.
    void AddInconsistency(const std::string& file, int32_t line, FindingCode code,
                          std::string message) {
        ++inconsistencies_;
        Add(file, line, code, std::move(message));
    }
    // A file that cannot be opened: reported like any finding, and remembered for the exit status.
    void AddUnreadable(const std::string& file, FindingCode code, std::string message);
    // Prints the count of the last file's findings that were not printed, and ends the JSON.
    void Finish();

    // Since construction: whether a file could not be opened, how many findings there were.
    bool unreadable() const { return unreadable_; }
    size_t count() const { return count_; }
    size_t inconsistencies() const { return inconsistencies_; }
    // The gravest severity of a finding so far, printed or not; nothing without findings.
    std::optional<Severity> worst() const { return worst_; }

  private:
    void EndFile();

    std::ostream* out_ = nullptr;
    std::unique_ptr<JsonWriter> json_;
    size_t max_ = 0;
    std::string file_;   // the file whose findings are coming in
    size_t ofFile_ = 0;  // its findings so far
    bool finished_ = false;
    bool unreadable_ = false;
    size_t count_ = 0;
    size_t inconsistencies_ = 0;
    std::optional<Severity> worst_;
    std::vector<std::pair<std::string, size_t>> notShown_;  // JSON: printed after the findings
};

// A character as a finding names it: "' ' (U+0020)", or "U+0009" for one without a glyph or
// one that changes how text displays (U+202E).
std::string DescribeCharacter(char16_t unit);

// "the name "A B" holds ' ' (U+0020) at position 2, which is not allowed" for a text whose
// character at `at` is refused.
std::string DisallowedMessage(std::string_view what, std::u16string_view text, size_t at);

// The position of the first character of text that must not be shown as it is (IsDisplayHazard in
// Console.h), if any.
std::optional<size_t> FirstDisplayHazard(std::u16string_view text);

// The warning for such a character: "warning: the name "A\u202eB" holds U+202E at position 2,
// which changes how the text around it displays: it may display as other text", or for a control
// character "..., a control character: a terminal may act on it".
std::string DisplayHazardMessage(std::string_view what, std::u16string_view text, size_t at);

}  // namespace sheetwise::cli
