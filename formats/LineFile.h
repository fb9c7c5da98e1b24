// Reading a catalog's file for the line reader, within bounds that a hostile or damaged file
// cannot stretch.
//
// A file of a catalog is held whole while it is read, and each line the readers keep costs the
// record made of it. So a file larger than kMaxCatalogFileBytes is refused before any byte is
// read, and reading stops at the first line longer than a reader accepts (nothing after it is
// read anyway): a file of gigabytes whose first line is too long costs a few kilobytes. The
// lines are counted on the way, so that a reader can set room aside for the records of the lines
// that can make one, and none for blank lines.
#pragma once

#include <cstddef>
#include <string>

namespace sheetwise {

// The most bytes a catalog file, attribute file or size-definition file may have. A catalog of a
// million papers with names of twenty characters fits in it; the papers such a file holds take
// about 150 bytes each in memory.
inline constexpr size_t kMaxCatalogFileBytes = size_t{64} << 20;

enum class LineFileResult { kOk, kOpenFailed, kReadFailed, kTooLarge };

struct LineFileFacts {
    size_t fileBytes = 0;       // the file's size when opened
    size_t longLines = 0;       // lines of at least `minimum` characters (see ReadLineFile)
    bool stoppedEarly = false;  // reading stopped after a line longer than any reader accepts
};

// Reads the file (a resolved native path; its letter case is resolved again) into bytes, as far
// as described above. minimum: the characters a line needs to be counted in longLines; a line of
// a UTF-16 file (after a byte-order mark) counts its units.
LineFileResult ReadLineFile(const std::string& path, std::string& bytes, LineFileFacts& facts,
                            size_t minimum = 0);

}  // namespace sheetwise
