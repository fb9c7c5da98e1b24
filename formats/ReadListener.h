// What the readers of the three files tell about the lines they drop or change, for whoever wants
// to show it (the command-line tool's check). Every reader takes a null listener when nobody
// listens, and then only tests that pointer where a line goes astray.
#pragma once

#include <cstdint>
#include <string_view>

namespace sheetwise {

// The part of a line a note is about.
enum class LineField {
    kWhole,  // the line itself
    kName,   // catalog file; weight, type and colour also name the attribute file's sections
    kSizeNumber,
    kWeight,
    kColour,
    kType,
    kImagedSides,
    kPrecollated,
    kDefaultName,  // after the ':' of the catalog file's first line
    kWidth,        // size-definition file
    kHeight,
    kThirdMeasure,
    kFourthMeasure,
    kUnit,
};

enum class LineFault {
    // Dropped: the reader keeps nothing of the line.
    kTooLong,         // longer than a line may be: reading stops, the rest of the file is lost
    kTooLarge,        // line 0: the file has `number` bytes, more than `limit`: nothing is read
    kNoKey,           // the line starts with ':', so it has no name (no width)
    kFieldMissing,    // the line ends before `field`
    kFieldEmpty,      // `field` is empty
    kBadCharacter,    // `read` holds a character not allowed, at index `number`
    kUnknownSection,  // an attribute section header the reader does not know: `written`
    kBeforeSection,   // an attribute value before any section header: `written`
    // Changed: the reader keeps the line, but `field` not as written.
    kEscapes,         // `written` holds escapes, read as `read`
    kCut,             // `written` is cut to `number` characters: `read`
    kNumberFromText,  // `written` is not a plain number; read as `number`
    kSizeOutOfRange,  // size number `number` names none of the `limit` sizes: no size
    kRestIgnored,     // the text after the last field, `written`, is ignored
    kCutAtColon,      // an attribute value `written` ends at its ':' and reads as `read`
    kOddFinalByte,    // line 0: a UTF-16 file ends in the lone byte `number`, which is dropped
};

struct LineNote {
    LineNote(int32_t line, LineFault fault, LineField field = LineField::kWhole,
             std::u16string_view written = {}, std::u16string_view read = {}, int64_t number = 0,
             int64_t limit = 0)
        : line(line),
          fault(fault),
          field(field),
          written(written),
          read(read),
          number(number),
          limit(limit) {}

    int32_t line;  // 1-based
    LineFault fault;
    LineField field;
    std::u16string_view written;
    std::u16string_view read;
    int64_t number;
    int64_t limit;
};

class ReadListener {
  public:
    virtual ~ReadListener() = default;
    // The reader keeps nothing of the line; a line too long ends the reading.
    virtual void LineDropped(const LineNote& note) = 0;
    // The reader keeps the line, one field differently from how it is written.
    virtual void LineChanged(const LineNote& note) = 0;
    // The reader has just appended what it read from this line to its output. The readers only
    // ever append (a line they drop leaves nothing behind), so the listener may look at (or take)
    // that last record here; while a line is read, the notes may come with its unfinished record
    // already at the end.
    virtual void LineKept(int32_t line) { (void)line; }
};

}  // namespace sheetwise
