// The editor's Save As without its dialog, for the catalogs that import and convert write.
#pragma once

#include <string>

#include "model/PaperCatalog.h"

namespace sheetwise::cli {

struct SaveAsResult {
    bool catalogWritten = false;
    bool attributesCopied = true;  // a missing attribute file could be copied first
    bool attributesWritten = false;
    bool sizesInPlace = false;  // a size-definition file lies beside the new catalog
    bool sizesCopied = false;   // ... because it was copied just now

    bool complete() const {
        return catalogWritten && attributesCopied && attributesWritten && sizesInPlace;
    }
};

// Writes the catalog as the editor's Save As does: the catalog takes the new path and is saved
// there; when the new attribute file is missing, the one of the catalog's previous path is copied
// to it (made writable) before the lists are written over it; finally, when no size-definition
// file lies beside the new catalog, sizeSource is copied there. A catalog file that cannot be
// written stops everything; an attribute copy that fails stops the rest.
SaveAsResult SaveCatalogAs(PaperCatalog& catalog, const std::u16string& newPath,
                           const std::u16string& sizeSource);

}  // namespace sheetwise::cli
