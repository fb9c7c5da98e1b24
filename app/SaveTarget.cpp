#include "app/SaveTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace sheetwise {
namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool OwnerMayWrite(const struct stat& info) {
    return (info.st_mode & S_IWUSR) != 0;
}

SaveTargetResult CheckExisting(const std::string& path, const struct stat& target) {
    // Root could open a read-only file for writing; the permission bit still says no.
    if (!S_ISREG(target.st_mode) || !OwnerMayWrite(target))
        return SaveTargetResult::kRefused;
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return SaveTargetResult::kRefused;
    close(fd);
    return SaveTargetResult::kExisting;
}

}  // namespace

SaveTargetResult PrepareSaveTarget(const std::string& path) {
    if (path.empty())
        return SaveTargetResult::kRefused;
    struct stat folder;
    if (stat(FolderOf(path).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
        !OwnerMayWrite(folder)) {
        return SaveTargetResult::kRefused;
    }
    struct stat target;
    if (stat(path.c_str(), &target) == 0)
        return CheckExisting(path, target);
    // O_EXCL: a file that appeared since the test above is not ours to claim as created.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST && stat(path.c_str(), &target) == 0)
            return CheckExisting(path, target);
        return SaveTargetResult::kRefused;
    }
    close(fd);
    return SaveTargetResult::kCreated;
}

}  // namespace sheetwise
