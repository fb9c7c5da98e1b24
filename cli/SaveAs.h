// The editor's Save As without its dialog, for the catalogs that import and convert write.
#pragma once

#include <string>

#include "model/CatalogSet.h"
#include "model/PaperCatalog.h"

namespace sheetwise::cli {

struct SaveAsResult {
    bool attributesCopied = true;  // a missing attribute file could be copied first
    // The catalog file and its attribute file, written as one set.
    CatalogSetResult set = CatalogSetResult::kCatalogNotSaved;
    bool sizesInPlace = false;  // a size-definition file lies beside the new catalog
    bool sizesCopied = false;   // ... because it was copied just now

    bool complete() const {
        return attributesCopied && set == CatalogSetResult::kSaved && sizesInPlace;
    }
};

// Writes the catalog as the editor's Save As does, holding the new folder's CatalogWriteLock
// throughout: when the new catalog and attribute file can both be written, a missing attribute
// file is first copied from the catalog's previous path (made writable); then the catalog takes
// the new path and both files are saved as one set (SaveCatalogSet); finally, when no
// size-definition file lies beside the new catalog, sizeSource is copied there. A file that
// cannot be written, or a copy that fails, stops everything after it; nothing is written when
// either file of the set cannot be. Copies never replace a file another writer made meanwhile.
SaveAsResult SaveCatalogAs(PaperCatalog& catalog, const std::u16string& newPath,
                           const std::u16string& sizeSource);

}  // namespace sheetwise::cli
