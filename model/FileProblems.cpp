#include "model/FileProblems.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>

#include "formats/LineFile.h"
#include "formats/PaperDefinition.h"
#include "model/CompanionFiles.h"
#include "platform/FileFailure.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

std::string Shown(const std::u16string& path) {
    return ToNativePath(path);
}

std::string MaxFileSizeText() {
    return std::to_string(kMaxCatalogFileBytes >> 20) + " MiB";
}

// The owner's write permission decides, as it does for saving, also when running as root.
bool OwnerMayWrite(const struct stat& info) {
    return (info.st_mode & S_IWUSR) != 0;
}

}  // namespace

std::string StatusMeaning(int32_t status) {
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

bool PapersReadToEnd(int32_t status) {
    return status == kStatusOk || status == kStatusFieldMissing || status == kStatusBadCharacter;
}

std::string DescribeLoadFailure(const std::u16string& catalogPath, int32_t status) {
    // The system's own reason, where opening a file failed: a missing file, one the user may
    // not read, a folder.
    const std::optional<FileFailure> failure = LastFileFailure();
    if (failure && (status == kStatusCannotOpen || status == kStatusCatalogCannotOpen))
        return "Cannot open " + failure->path + ": " + FileErrorText(failure->error) + ".";
    // The size-definition file is read first, then the attribute file; the status does not say
    // which of the two failed, so both are named.
    const std::string companions =
        Shown(CompanionSizePath(catalogPath)) + " or " + Shown(CompanionAttributePath(catalogPath));
    const std::string meaning = StatusMeaning(status);
    switch (status) {
        case kStatusPathEmpty:
        case kStatusCannotOpen:
        case kStatusReadError:
            return companions + ": " + meaning + ".";
        case kStatusSizeFieldMissing:
            return Shown(CompanionSizePath(catalogPath)) + ": " + meaning + ".";
        case kStatusFieldMissing:
        case kStatusBadCharacter:
            return Shown(catalogPath) + ": " + meaning + "; such lines were left out.";
        default:
            return Shown(catalogPath) + ": " + meaning + ".";
    }
}

std::string KeptUntouchedNote(const std::u16string& catalogPath) {
    return Shown(catalogPath) +
           " has not been changed. Save will ask for a new file name, so that the catalog on "
           "disk is not written over.";
}

std::string DescribeWriteFailure(const std::string& path) {
    // The reason the system gave, where the file layer met one; else what the file, its folder
    // and the disk show now.
    if (const std::optional<FileFailure> failure = LastFileFailure())
        return "Cannot write " + failure->path + ": " + FileFailureText(*failure) + ".";
    const std::string folder = FolderOf(path);
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return "Cannot write " + path + ": its folder does not exist.";
    const bool folderWritable = OwnerMayWrite(info);
    if (stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return "Cannot write " + path + ": it is not a regular file.";
        if (!OwnerMayWrite(info))
            return "Cannot write " + path + ": the file is read-only.";
    } else if (!folderWritable) {
        return "Cannot write " + path + ": its folder is read-only.";
    }
    struct statvfs disk;
    if (statvfs(folder.c_str(), &disk) == 0 && disk.f_bavail == 0)
        return "Cannot write " + path + ": the disk is full.";
    return "Cannot write " + path + ": the file system refused the write.";
}

std::string DescribeCompanionFailure(const std::u16string& catalogPath,
                                     const std::u16string& defaultPath) {
    const std::string catalog = ToNativePath(catalogPath);
    ClearFileFailure();
    if (!IsRegularFile(catalog)) {
        const std::optional<FileFailure> failure = LastFileFailure();
        return "Cannot open " + catalog + ": " + FileErrorText(failure ? failure->error : ENOENT) +
               ".";
    }
    const std::pair<std::u16string, std::u16string> companions[] = {
        {CompanionAttributePath(catalogPath), CompanionAttributePath(defaultPath)},
        {CompanionSizePath(catalogPath), CompanionSizePath(defaultPath)}};
    for (const auto& [wanted, source] : companions) {
        const std::string target = ToNativePath(wanted);
        if (FileExists(target))
            continue;
        const std::string from = ToNativePath(source);
        if (!FileExists(from))
            return target + " is missing, and so is " + from + " to copy it from.";
        return target + " is missing and cannot be copied from " + from + ". " +
               DescribeWriteFailure(target);
    }
    return "The files of " + catalog + " cannot be read.";
}

}  // namespace sheetwise
