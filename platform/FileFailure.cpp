#include "platform/FileFailure.h"

#include <cerrno>
#include <cstring>

namespace sheetwise {
namespace {

thread_local std::optional<FileFailure> lastFailure;

}  // namespace

void RecordFileFailure(int error, const std::string& path, std::string detail) {
    lastFailure = FileFailure{error, path, std::move(detail)};
}

void ClearFileFailure() {
    lastFailure.reset();
}

std::optional<FileFailure> LastFileFailure() {
    return lastFailure;
}

std::string FileErrorText(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "permission denied";
        case EROFS:
            return "read-only file system";
        case ENOSPC:
            return "no space left on the device";
        case EDQUOT:
            return "disk quota exceeded";
        case ENOENT:
            return "no such file or folder";
        case ENOTDIR:
            return "a folder on the way is a file";
        case EISDIR:
            return "is a folder";
        case ENAMETOOLONG:
            return "the name is too long";
        case EIO:
            return "input/output error";
        case kNotRegularFile:
            return "not a regular file";
        case kReadOnlyFile:
            return "the file is read-only";
        case kLockHeld:
            return "another program is saving in its folder";
        default: {
            std::string text = std::strerror(error);
            if (!text.empty())
                text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
            return text;
        }
    }
}

std::string FileFailureText(const FileFailure& failure) {
    const std::string reason = FileErrorText(failure.error);
    return failure.detail.empty() ? reason : reason + " (" + failure.detail + ")";
}

}  // namespace sheetwise
