// Edit scripts: a JSON array of the edits the command line makes, one object each, applied in
// order (docs/schema/edits.schema.json):
//
//   [{"edit": "modify", "name": "Letter", "weight": 90},
//    {"edit": "add-value", "kind": "colour", "value": "ivory"},
//    {"edit": "move", "name": "Tabs", "to": 1}]
//
// A script is read whole before any catalog is touched, so that a script with a fault changes
// nothing anywhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/CatalogEdit.h"

namespace sheetwise::cli {

// The largest script read: a script is a handful of edits, so anything near this is no script.
inline constexpr size_t kMaxEditScriptBytes = 16 << 20;

struct EditScript {
    bool ok = false;
    std::vector<CatalogEdit> edits;
    // What is wrong, when not ok: the cause, after "edit N: " for a fault of the N-th edit.
    std::string problem;
};

// Reads a script from the bytes of its file (UTF-8 JSON).
EditScript ParseEditScript(std::string_view bytes);

}  // namespace sheetwise::cli
