#include "cli/SaveAs.h"

#include "cli/CatalogFiles.h"
#include "platform/AtomicFile.h"
#include "platform/CatalogWriteLock.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

// The attribute file the editor's Save As finds missing and fills from the previous catalog's.
bool CopyMissingAttributeFile(const std::u16string& oldPath, const std::u16string& newPath) {
    return CopyFileIfMissing(ToNativePath(CompanionAttributePath(oldPath)),
                             ToNativePath(CompanionAttributePath(newPath)),
                             true) != CopyResult::kFailed;
}

}  // namespace

SaveAsResult SaveCatalogAs(PaperCatalog& catalog, const std::u16string& newPath,
                           const std::u16string& sizeSource) {
    SaveAsResult result;
    const std::string target = ToNativePath(newPath);
    const CatalogWriteLock lock(target);
    if (!CanReplaceFile(target))
        return result;
    if (!CanReplaceFile(ToNativePath(CompanionAttributePath(newPath)))) {
        result.set = CatalogSetResult::kAttributesNotSaved;
        return result;
    }
    result.attributesCopied = CopyMissingAttributeFile(catalog.path(), newPath);
    if (!result.attributesCopied)
        return result;
    catalog.SetPath(newPath);
    result.set = SaveCatalogSet(catalog, newPath);
    if (result.set != CatalogSetResult::kSaved)
        return result;
    const CopyResult sizes = CopyFileIfMissing(ToNativePath(sizeSource),
                                               ToNativePath(CompanionSizePath(newPath)), false);
    result.sizesCopied = sizes == CopyResult::kCopied;
    result.sizesInPlace = sizes != CopyResult::kFailed;
    return result;
}

}  // namespace sheetwise::cli
