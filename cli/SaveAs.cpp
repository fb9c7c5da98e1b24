#include "cli/SaveAs.h"

#include "cli/CatalogFiles.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

// The attribute file the editor's Save As finds missing and fills from the previous catalog's.
bool CopyMissingAttributeFile(const std::u16string& oldPath, const std::u16string& newPath) {
    const std::string target = ToNativePath(CompanionAttributePath(newPath));
    if (FileExists(target))
        return true;
    if (!CopyFileNoOverwrite(ToNativePath(CompanionAttributePath(oldPath)), target))
        return false;
    MakeOwnerWritable(target);
    return true;
}

}  // namespace

SaveAsResult SaveCatalogAs(PaperCatalog& catalog, const std::u16string& newPath,
                           const std::u16string& sizeSource) {
    SaveAsResult result;
    const std::u16string oldPath = catalog.path();
    catalog.SetPath(newPath);
    result.catalogWritten = catalog.Save(newPath);
    if (!result.catalogWritten)
        return result;
    result.attributesCopied = CopyMissingAttributeFile(oldPath, newPath);
    if (!result.attributesCopied)
        return result;
    result.attributesWritten = catalog.WriteAttributeFile(newPath);
    const std::string sizes = ToNativePath(CompanionSizePath(newPath));
    if (FileExists(sizes)) {
        result.sizesInPlace = true;
    } else {
        result.sizesCopied = CopyFileNoOverwrite(ToNativePath(sizeSource), sizes);
        result.sizesInPlace = result.sizesCopied;
    }
    return result;
}

}  // namespace sheetwise::cli
