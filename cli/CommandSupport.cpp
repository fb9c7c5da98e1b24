#include "cli/CommandSupport.h"

#include "model/FileProblems.h"
#include "platform/FileFailure.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {

bool CanReadFile(const std::u16string& path) {
    std::string head;
    return !path.empty() && ReadFileHead(ToNativePath(path), 1, head) == ReadResult::kOk;
}

bool RequireReadableFile(Console& console, const std::u16string& path, const char* what) {
    ClearFileFailure();
    if (CanReadFile(path))
        return true;
    // The system's reason: no such file, permission denied, a folder.
    const std::optional<FileFailure> failure = LastFileFailure();
    ReportError(console, Utf8(path) + ": cannot open the " + what +
                             (failure ? ": " + FileErrorText(failure->error) : std::string()));
    return false;
}

CatalogDocument ReadCatalog(const std::u16string& path) {
    CatalogDocument document;
    document.Load(path);
    return document;
}

int ExitCodeForStatus(int32_t status) {
    switch (status) {
        case kStatusOk:
            return kExitSuccess;
        case kStatusPathEmpty:
        case kStatusCannotOpen:
        case kStatusCatalogPathEmpty:
        case kStatusCatalogCannotOpen:
            return kExitUnusable;
        default:
            return kExitProblems;
    }
}

void ReportCatalogStatus(Console& console, const std::u16string& path, int32_t status) {
    if (status == kStatusOk)
        return;
    std::string message =
        Utf8(path) + ": status " + std::to_string(status) + " (" + StatusMeaning(status) + ")";
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

}  // namespace sheetwise::cli
