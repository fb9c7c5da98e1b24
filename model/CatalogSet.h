// Saving a catalog file and its attribute file as one set.
//
// Writing the two files one after the other (Save, then WriteAttributeFile) can leave a new
// catalog beside an old attribute file: when the attribute file is read-only, when the disk
// fills up in between, or when another program saves the same catalog at the same moment.
// SaveCatalogSet checks that both files can be written before it writes either, and holds the
// folder's CatalogWriteLock throughout, so writers of one catalog (two editors, the editor and
// sheetwise-cli) take turns. Readers need no lock.
#pragma once

#include <string>

#include "model/PaperCatalog.h"

namespace sheetwise {

enum class CatalogSetResult {
    kSaved,
    kCatalogNotSaved,     // the catalog file could not be written; status 6 or 8
    kAttributesNotSaved,  // the attribute file could not be written; status 2 or 8
};

// Writes path (Save) and path + ".atr" (WriteAttributeFile) with the catalog's papers and
// lists. Both are opened first: when either cannot be written (status 6 for the catalog, 2 for
// the attribute file) nothing is written. Both are then written and synced beside their targets
// before the first one takes its name, so a full disk or a failed write (status 8) changes
// nothing either. Only a rename that fails (or a kill) between the two files taking their names
// leaves the new catalog file beside the old attribute file (kAttributesNotSaved). An empty
// path gives status 6. The catalog's status tells the reason, 0 when
// saved; the catalog's path is not changed.
CatalogSetResult SaveCatalogSet(PaperCatalog& catalog, const std::u16string& path);

}  // namespace sheetwise
