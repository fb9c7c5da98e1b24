#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

namespace sheetwise {
namespace file_faults {
namespace {

struct Fault {
    std::atomic<int> remaining{0};  // 0: no fault planned
};

std::array<Fault, 5> faults;

}  // namespace

void FailAt(Step step, int n) {
    faults[static_cast<size_t>(step)].remaining = n;
}

void Clear() {
    for (Fault& fault : faults)
        fault.remaining = 0;
}

bool ShouldFail(Step step) {
    Fault& fault = faults[static_cast<size_t>(step)];
    int remaining = fault.remaining.load();
    while (remaining > 0) {
        if (fault.remaining.compare_exchange_weak(remaining, remaining - 1)) {
            return remaining == 1;
        }
    }
    return false;
}

}  // namespace file_faults

namespace {

constexpr size_t kBufferSize = 1 << 16;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symbolic link is followed, so that the file it names is replaced and the link stays.
std::string FollowLink(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string result = resolved;
    std::free(resolved);
    return result;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(FollowLink(target)) {}

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Open() {
    struct stat folderInfo;
    const std::string folder = FolderOf(target_);
    if (stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode) ||
        (folderInfo.st_mode & S_IWUSR) == 0) {
        error_ = Error::kCannotCreate;
        return false;
    }
    struct stat targetInfo;
    const bool exists = stat(target_.c_str(), &targetInfo) == 0;
    if (exists && (!S_ISREG(targetInfo.st_mode) || (targetInfo.st_mode & S_IWUSR) == 0)) {
        error_ = Error::kCannotCreate;
        return false;
    }
    std::random_device entropy;
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = folder + "/." + NameOf(target_) + ".tmp" + std::to_string(getpid()) + "-" +
                     std::to_string(entropy() % 1000000);
        fd_ = open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        temporary_.clear();
        error_ = Error::kCannotCreate;
        return false;
    }
    if (exists) {
        fchmod(fd_, targetInfo.st_mode & 07777);
        if (fchown(fd_, targetInfo.st_uid, targetInfo.st_gid) != 0) {
            // Only root may hand a file to another owner; the file then stays ours.
        }
    }
    buffer_.reserve(kBufferSize);
    return true;
}

bool AtomicFile::Write(std::string_view bytes) {
    if (fd_ < 0 || error_ != Error::kNone)
        return false;
    buffer_.append(bytes);
    return buffer_.size() < kBufferSize || Flush();
}

bool AtomicFile::Flush() {
    if (file_faults::ShouldFail(file_faults::Step::kFlush)) {
        error_ = Error::kWriteFailed;
        return false;
    }
    std::string_view rest = buffer_;
    while (!rest.empty()) {
        const ssize_t written = file_faults::ShouldFail(file_faults::Step::kWrite)
                                    ? (errno = ENOSPC, -1)
                                    : write(fd_, rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error_ = Error::kWriteFailed;
            return false;
        }
        rest.remove_prefix(static_cast<size_t>(written));
    }
    buffer_.clear();
    return true;
}

bool AtomicFile::Commit() {
    if (fd_ < 0 || error_ != Error::kNone || !Flush()) {
        if (error_ == Error::kNone)
            error_ = Error::kWriteFailed;
        Discard();
        return false;
    }
    const bool synced = !file_faults::ShouldFail(file_faults::Step::kSync) && fsync(fd_) == 0;
    const bool closeFault = file_faults::ShouldFail(file_faults::Step::kClose);
    const bool closed = close(fd_) == 0 && !closeFault;
    fd_ = -1;
    const bool renamed = synced && closed && !file_faults::ShouldFail(file_faults::Step::kRename) &&
                         rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!renamed) {
        error_ = Error::kWriteFailed;
        Discard();
        return false;
    }
    temporary_.clear();
    SyncFolder(FolderOf(target_));
    return true;
}

void AtomicFile::Discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        temporary_.clear();
    }
}

}  // namespace sheetwise
