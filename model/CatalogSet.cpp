#include "model/CatalogSet.h"

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
    const std::string catalogBytes = catalog.FileBytes();
    const std::string attributeBytes =
        AttributeFileBytes(catalog.weights_, catalog.types_, catalog.colours_);
    const FileSetResult written = WriteFileSet(
        {{ToNativePath(path), catalogBytes}, {AttributeFilePath(path), attributeBytes}});
    if (written.error == AtomicFile::Error::kNone)
        return CatalogSetResult::kSaved;
    const bool cannotOpen = written.error == AtomicFile::Error::kCannotCreate;
    if (written.failed == 0) {
        catalog.status_ = cannotOpen ? kStatusCatalogCannotOpen : kStatusWriteError;
        return CatalogSetResult::kCatalogNotSaved;
    }
    catalog.status_ = cannotOpen ? kStatusCannotOpen : kStatusWriteError;
    return CatalogSetResult::kAttributesNotSaved;
}

}  // namespace sheetwise
