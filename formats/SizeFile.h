// The size-definition file, one size per line:
//
//   width:height:third measure:fourth measure:unit:display text
//
// The unit is 0 for inches and 1 for millimetres; the display text runs to the end of the line,
// colons included. The file is plain bytes in text mode; each byte is the character with that code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/PaperDefinition.h"

namespace sheetwise {

class ReadListener;

// Appends the sizes of the file at sizePath. Returns a catalog status: 0, 1 (empty path),
// 2 (cannot open), 3 (a line too long to read; the sizes before it stay) or 4 (a line lacks one
// of its first five fields; the line is skipped and reading goes on).
int32_t ReadSizeFile(const std::u16string& sizePath, std::vector<PaperSize>& sizes,
                     ReadListener* listener = nullptr);

}  // namespace sheetwise
