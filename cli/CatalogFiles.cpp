#include "cli/CatalogFiles.h"

#include "formats/LineFile.h"
#include "formats/TextLines.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {

PaperCatalog LoadCatalogAsEditor(const std::u16string& path) {
    std::u16string header;
    int error = 0;
    ReadLeadingField(path, header, error);
    return PaperCatalog(header, path, kBuiltInColours, kBuiltInTypes, u':');
}

bool CanReadFile(const std::u16string& path) {
    std::string head;
    return !path.empty() && ReadFileHead(ToNativePath(path), 1, head) == ReadResult::kOk;
}

namespace {

std::string MaxFileSizeText() {
    return std::to_string(kMaxCatalogFileBytes >> 20) + " MiB";
}

}  // namespace

std::string StatusText(int32_t status) {
    switch (status) {
        case kStatusOk:
            return "read without problems";
        case kStatusPathEmpty:
            return "no path for the size-definition or attribute file";
        case kStatusCannotOpen:
            return "the size-definition or attribute file cannot be opened";
        case kStatusReadError:
            return "a line of the size-definition or attribute file is too long to read, or the "
                   "file is larger than " +
                   MaxFileSizeText();
        case kStatusSizeFieldMissing:
            return "a size line lacks a field";
        case kStatusCatalogPathEmpty:
            return "no catalog path";
        case kStatusCatalogCannotOpen:
            return "the catalog file cannot be opened";
        case kStatusCatalogReadError:
            return "the catalog file has no first line, a line too long to read, or more than " +
                   MaxFileSizeText();
        case kStatusWriteError:
            return "a write failed";
        case kStatusFieldMissing:
            return "a paper line lacks a field";
        case kStatusBadCharacter:
            return "a name, colour or type holds a character that is not allowed";
        default:
            return "status " + std::to_string(status);
    }
}

int ExitCodeForStatus(int32_t status) {
    switch (status) {
        case kStatusOk:
            return 0;
        case kStatusPathEmpty:
        case kStatusCannotOpen:
        case kStatusCatalogPathEmpty:
        case kStatusCatalogCannotOpen:
            return 2;
        default:
            return 1;
    }
}

bool PapersReadToEnd(int32_t status) {
    return status == kStatusOk || status == kStatusFieldMissing || status == kStatusBadCharacter;
}

std::u16string InstalledDefaultCatalog(std::u16string_view executablePath) {
    const size_t slash = executablePath.rfind(u'/');
    if (slash == std::u16string_view::npos)
        return {};
    const std::u16string folder(executablePath.substr(0, slash + 1));
    const std::u16string candidates[] = {
        folder + u"../share/Korvane/Brevalon Sheetwise/KBRVCAT_EN.CAT",
        folder + u"KBRVCAT_EN.CAT",
    };
    for (const std::u16string& candidate : candidates) {
        if (CanReadFile(candidate))
            return candidate;
    }
    return {};
}

}  // namespace sheetwise::cli
