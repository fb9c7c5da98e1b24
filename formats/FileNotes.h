// The notes about a file as a whole (line 0) that every reader gives the same way.
#pragma once

#include "formats/LineFile.h"

namespace sheetwise {

class LineReader;
class ReadListener;

// A file refused for its size (kTooLarge): nothing of it is read.
void NoteTooLarge(LineFileResult read, const LineFileFacts& facts, ReadListener* listener);

// A UTF-16 file whose last byte is no character, once the reader reached its end.
void NoteOddFinalByte(const LineReader& reader, ReadListener* listener);

}  // namespace sheetwise
