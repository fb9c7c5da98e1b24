#include "platform/FileIdentity.h"

#include <sys/stat.h>

namespace sheetwise {

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    // Permission changes are left out on purpose (no ctime): making a file read-only does not
    // change what it holds.
    return FileIdentity{
        static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
        static_cast<int64_t>(info.st_size),
        static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

}  // namespace sheetwise
