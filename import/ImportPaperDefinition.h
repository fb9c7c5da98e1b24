// One paper definition of an import file: "name;size number;colour;weight;type;imaged sides".
//
// The fields are cut at ';' with the TakeField rule (the text up to the next ';'; fields after
// the sixth are ignored) and cleaned one after the other, in field order:
//
//   name          ':' to '_'; "<<" to "*"; "*" skips the paper; white space removed; 32 units
//   size number   decimal digits only (the position in the import's sizes list)
//   colour, type  "<<" to "*"; ':' to '_'; 20 units
//   weight        "<<" to "*"; ':' to '_'; "*..." is 0; else its leading number; 0 or 60..200
//   imaged sides  ':' to '_'; 0 -> 1, 2-Sided, 1 -> 1-Sided, 2 -> Inserter, else 1, 2-Sided
//
// A field that is empty as cut (before any cleaning) makes the paper invalid, and cleaning stops
// at the first field that decides the paper's fate, so later fields are never looked at.
// Making the name unique needs the papers accepted before, so it is the caller's (ImportNames.h).
#pragma once

#include <string_view>

#include "formats/PaperDefinition.h"

namespace sheetwise {

enum class PaperDefinitionResult {
    kAccepted,
    kSkipped,       // the name is "*" (also from "<<"): dropped without counting
    kMissingField,  // a required field is empty
    kInvalidValue,  // the size number is not all digits, or the weight is out of range
};

struct CleanedPaperDefinition {
    PaperDefinitionResult result = PaperDefinitionResult::kMissingField;
    // Name, size number (as the sizes list's position), colour, weight, type and imaged sides;
    // precollated 0. Only complete when accepted.
    PaperDefinition paper;
    bool nameColonReplaced = false;  // the name held a ':'
    bool colonReplaced = false;      // any field cleaned before the result was decided held one
};

CleanedPaperDefinition CleanPaperDefinition(std::u16string_view value);

}  // namespace sheetwise
