// Saving a catalog file and its attribute file as one set.
//
// Writing the two files one after the other (Save, then WriteAttributeFile) can leave a new
// catalog beside an old attribute file: when the attribute file is read-only, when the disk
// fills up in between, when a rename fails or the program is killed between the two, or when
// another program saves the same catalog at the same moment. SaveCatalogSet writes both through
// WriteFileSet (FileSet.h), under the folder's CatalogWriteLock, so that the set changes whole
// or not at all, and readers, who take the lock's shared side, never see it half replaced.
#pragma once

#include <string>

#include "model/PaperCatalog.h"

namespace sheetwise {

enum class CatalogSetResult {
    kSaved,
    kCatalogNotSaved,     // the catalog file could not be written; status 6 or 8
    kAttributesNotSaved,  // the attribute file could not be written; status 2 or 8
};

// Writes path (Save) and path + ".atr" (WriteAttributeFile, beside the catalog's real file)
// with the catalog's papers and lists. Both are opened first: when either cannot be written
// (status 6 for the catalog, 2 for the attribute file: read-only, a link of another user's, the
// lock not had in time) nothing is written. Both are then written and synced beside their
// targets before the first one takes its name, so a full disk or a failed write (status 8)
// changes nothing either; a rename that fails is rolled back (kAttributesNotSaved, status 8, for
// the attribute file's), and a kill between the renames is completed or rolled back by the next
// reader or writer. An empty path gives status 6. The catalog's status tells the reason, 0 when
// saved; the catalog's path is not changed.
CatalogSetResult SaveCatalogSet(PaperCatalog& catalog, const std::u16string& path);

}  // namespace sheetwise
