// What a file on disk is at one moment: which file (device and inode) and which version of it
// (size and modification time). The editor remembers the identity of the files it read, so that
// a save notices when another editor or program replaced or changed them meanwhile.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sheetwise {

struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNanoseconds = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of a resolved path (NativePath.h); nothing when there is no such file.
std::optional<FileIdentity> IdentifyFile(const std::string& path);

}  // namespace sheetwise
