// One change to a catalog's papers, default paper or offered values, in a form that can be made
// again and taken back exactly.
//
// While a catalog is edited its content changes only through these: every command is a list of
// them (EditHistory.h), so undo and redo replay what the command did rather than guess it, and
// whatever the command's rules were, the replay needs none.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "formats/PaperDefinition.h"

namespace sheetwise {

class PaperCatalog;

struct PaperInserted {
    int32_t index;
    PaperDefinition paper;
};
struct PaperRemoved {
    int32_t index;
    PaperDefinition paper;
};
struct PaperReplaced {
    int32_t index;
    PaperDefinition before;
    PaperDefinition after;
};
struct PapersSwapped {
    int32_t first;
    int32_t second;
};
struct DefaultChanged {
    int32_t before;
    int32_t after;
};
struct ValueInserted {
    int32_t kind;
    int32_t position;
    std::u16string value;
};
struct ValueRemoved {
    int32_t kind;
    int32_t position;
    std::u16string value;
};

using CatalogChange = std::variant<PaperInserted, PaperRemoved, PaperReplaced, PapersSwapped,
                                   DefaultChanged, ValueInserted, ValueRemoved>;

// Makes the change; the catalog must be in the state the change was recorded from.
void ApplyChange(PaperCatalog& catalog, const CatalogChange& change);
// Takes the change back; the catalog must be in the state the change left.
void RevertChange(PaperCatalog& catalog, const CatalogChange& change);

// Which file the change is saved in: the catalog file (papers and the default paper) or the
// attribute file (offered values).
bool ChangesCatalogFile(const CatalogChange& change);

}  // namespace sheetwise
