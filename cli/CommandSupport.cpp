#include "cli/CommandSupport.h"

#include "cli/CatalogFiles.h"

namespace sheetwise::cli {

bool RequireReadableFile(Console& console, const std::u16string& path, const char* what) {
    if (CanReadFile(path))
        return true;
    ReportError(console, Utf8(path) + ": cannot open the " + what);
    return false;
}

void ReportCatalogStatus(Console& console, const std::u16string& path, int32_t status) {
    if (status == kStatusOk)
        return;
    std::string message =
        Utf8(path) + ": status " + std::to_string(status) + " (" + StatusText(status) + ")";
    // Nothing of a catalog whose files cannot be opened is read; a catalog file that stops early
    // keeps the papers before the line it stops at.
    if (status >= kStatusPathEmpty && status <= kStatusCatalogCannotOpen)
        message += ": no paper was read, the catalog holds only the default paper";
    else if (!PapersReadToEnd(status))
        message += ": reading stopped there, no paper after that point was read";
    else
        message += ": lines were dropped";
    ReportWarning(console, message + "; 'sheetwise-cli check' lists every problem");
}

int ReportSaveAs(Console& console, const SaveAsResult& result, const std::u16string& newPath,
                 const std::u16string& sizeSource) {
    const std::string attributes = Utf8(CompanionAttributePath(newPath));
    if (!result.attributesCopied) {
        ReportError(console, attributes + ": cannot create the attribute file; nothing written");
        return kExitUnusable;
    }
    if (result.set == CatalogSetResult::kCatalogNotSaved) {
        ReportError(console, Utf8(newPath) + ": cannot write the catalog file; nothing written");
        return kExitUnusable;
    }
    if (result.set == CatalogSetResult::kAttributesNotSaved) {
        ReportError(console, attributes + ": cannot write the attribute file; the catalog set " +
                                 Utf8(newPath) + " is not saved");
        return kExitUnusable;
    }
    if (!result.sizesInPlace) {
        ReportError(console, Utf8(CompanionSizePath(newPath)) + ": cannot copy " +
                                 Utf8(sizeSource) + " there");
        return kExitUnusable;
    }
    return kExitSuccess;
}

}  // namespace sheetwise::cli
