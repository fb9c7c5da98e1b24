// What check reports: one finding per dropped or changed line and per inconsistency, each with
// the file and, where there is one, the line (1-based) it is about.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sheetwise::cli {

struct Finding {
    std::string file;  // as the user named it, or as a companion is named on disk
    int32_t line = 0;  // 0: the file as a whole
    std::string message;
};

class Findings {
  public:
    // Names a file before any finding, so that its findings are printed first.
    void Declare(const std::string& file);
    void Add(const std::string& file, int32_t line, std::string message);
    // A file that cannot be opened: reported like any finding, and remembered for the exit status.
    void AddUnreadable(const std::string& file, std::string message);

    const std::vector<Finding>& all() const { return findings_; }
    bool unreadable() const { return unreadable_; }
    bool empty() const { return findings_.empty(); }

    // "file:line: message" (or "file: message") lines; the findings of each file together, in
    // the order the files first appear, by line within a file.
    void Print(std::ostream& out) const;

  private:
    std::vector<Finding> findings_;
    std::vector<std::string> files_;  // in the order they were first named
    bool unreadable_ = false;
};

// The position (0-based) of the first character the character check refuses, if any.
std::optional<size_t> FirstDisallowed(std::u16string_view text);

// A character as a finding names it: "' ' (U+0020)", or "U+0009" for one without a glyph.
std::string DescribeCharacter(char16_t unit);

// "the name "A B" holds ' ' (U+0020) at position 2, which is not allowed" for a text whose
// character at `at` is refused.
std::string DisallowedMessage(std::string_view what, std::u16string_view text, size_t at);

// True when the text is one or more decimal digits and nothing else.
bool IsDigits(std::u16string_view text);

}  // namespace sheetwise::cli
