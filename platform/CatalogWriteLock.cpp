#include "platform/CatalogWriteLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <utility>

#include "platform/NativePath.h"

namespace sheetwise {
namespace {

struct HeldFolder {
    int fd = -1;
    int depth = 0;
};

using FolderKey = std::pair<unsigned long long, unsigned long long>;

// The folders this thread holds. Another thread opens the folder anew, and flock serialises
// separate opens like separate processes.
thread_local std::map<FolderKey, HeldFolder> heldFolders;

}  // namespace

CatalogWriteLock::CatalogWriteLock(const std::string& path) {
    const int fd = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info;
    if (fd < 0)
        return;
    if (fstat(fd, &info) != 0) {
        close(fd);
        return;
    }
    device_ = info.st_dev;
    inode_ = info.st_ino;
    const auto held = heldFolders.find({device_, inode_});
    if (held != heldFolders.end()) {
        close(fd);
        ++held->second.depth;
        held_ = true;
        return;
    }
    int locked;
    do {
        locked = flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        close(fd);
        return;
    }
    heldFolders[{device_, inode_}] = HeldFolder{fd, 1};
    held_ = true;
}

CatalogWriteLock::~CatalogWriteLock() {
    if (!held_)
        return;
    const auto held = heldFolders.find({device_, inode_});
    if (held == heldFolders.end() || --held->second.depth > 0)
        return;
    close(held->second.fd);  // releases the lock
    heldFolders.erase(held);
}

}  // namespace sheetwise
