#include "model/CatalogSet.h"

#include <new>

#include "formats/AttributeFile.h"
#include "platform/AtomicFile.h"
#include "platform/NativePath.h"

namespace sheetwise {

CatalogSetResult SaveCatalogSet(PaperCatalog& catalog, const std::u16string& path) {
    catalog.status_ = kStatusOk;
    if (path.empty()) {
        catalog.status_ = kStatusCatalogCannotOpen;
        return CatalogSetResult::kCatalogNotSaved;
    }
    std::string catalogBytes;
    std::string attributeBytes;
    try {
        catalogBytes = catalog.FileBytes();
        attributeBytes = AttributeFileBytes(catalog.weights_, catalog.types_, catalog.colours_);
    } catch (const std::bad_alloc&) {
        catalog.status_ = kStatusWriteError;
        return CatalogSetResult::kCatalogNotSaved;
    }
    const FileSetResult written = WriteFileSet(
        {{ToNativePath(path), catalogBytes}, {AttributeFilePath(path), attributeBytes}});
    if (written.error == AtomicFile::Error::kNone)
        return CatalogSetResult::kSaved;
    // Refused before anything was written: read-only, a link of another user's, a lock not had.
    const bool cannotOpen = written.error != AtomicFile::Error::kWriteFailed;
    if (written.failed == 0) {
        catalog.status_ = cannotOpen ? kStatusCatalogCannotOpen : kStatusWriteError;
        return CatalogSetResult::kCatalogNotSaved;
    }
    catalog.status_ = cannotOpen ? kStatusCannotOpen : kStatusWriteError;
    return CatalogSetResult::kAttributesNotSaved;
}

}  // namespace sheetwise
