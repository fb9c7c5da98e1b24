// The line loop every file check shares: each line goes to the file's own check, and a line too
// long to read is reported once, where reading stops.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/CheckFindings.h"
#include "formats/TextLines.h"

namespace sheetwise::cli {

// Feeds the remaining lines of `reader` to check(line, number), numbering from `first`. A line
// too long to read gets a finding ending in `consequence`; false then, true at the end of file.
template <class Check>
bool CheckEveryLine(LineReader& reader, int32_t first, const std::string& file,
                    std::string_view consequence, Findings& findings, Check&& check) {
    std::u16string line;
    for (int32_t number = first;; ++number) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::kEnd)
            return true;
        if (result == LineReader::Result::kTooLong) {
            findings.Add(file, number,
                         "the line is longer than " + std::to_string(kMaxLineBytes) +
                             " bytes: " + std::string(consequence));
            return false;
        }
        check(line, number);
    }
}

}  // namespace sheetwise::cli
