// What kind of finding check makes, by a code that scripts can rely on (check --json), and how
// much it matters:
//
//   error    the editor refuses or drops something: a line, a file, the papers after a line
//   warning  the editor reads it, but not as written, or changes it when it shows or saves it
//   note     read and kept as written, but not what the editor would make (a name taken twice,
//            a list value no paper can have)
//
// The codes are part of the tool's interface: a code, once given, keeps its meaning.
#pragma once

#include "formats/ReadListener.h"

namespace sheetwise::cli {

enum class Severity { kNote, kWarning, kError };

enum class FindingCode {
    // The files.
    kCatalogUnreadable,
    kSizesUnreadable,
    kAttributesUnreadable,
    kFileTooLarge,
    kFolderLocked,
    kEmptyFile,
    kEditorStatus,
    // Lines a reader drops.
    kLineTooLong,
    kLineWithoutKey,
    kFieldMissing,
    kFieldEmpty,
    kCharacterNotAllowed,
    kUnknownSection,
    kValueBeforeSection,
    kOddFinalByte,
    // Lines a reader changes.
    kEscapes,
    kTextCut,
    kNumberFromText,
    kSizeOutOfRange,
    kExtraFields,
    kValueCutAtColon,
    // What the editor changes when it shows or saves the catalog.
    kNoDefaultPaper,
    kDefaultPaperMissing,
    kValueNotListed,
    kDisplayHazard,
    // Read and kept as written.
    kDefaultPaperRepeated,
    kDuplicateName,
    kWeightOutOfRange,
    kPrecollatedNotFlag,
    kSizeUnitUnknown,
    kListedWeightNotNumber,
    kListedWeightOutOfRange,
    kListedValueNotAllowed,
    kListedValueTooLong,
    kValueListedTwice,
};

// "line-too-long", as check --json gives it.
const char* CodeName(FindingCode code);
Severity SeverityOf(FindingCode code);
// "error", "warning", "note".
const char* SeverityName(Severity severity);

// The code of a line a reader drops or changes.
FindingCode CodeOfFault(LineFault fault);

}  // namespace sheetwise::cli
