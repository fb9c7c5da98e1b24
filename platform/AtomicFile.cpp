#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "platform/CatalogWriteLock.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"
#include "platform/TemporaryNames.h"

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

using file_faults::ShouldFail;
using file_faults::Step;

constexpr size_t kBufferSize = 1 << 16;

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

// The folder takes new files by its owner's write permission, as everywhere else (root too).
bool FolderTakesFiles(const std::string& folder) {
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_IWUSR);
}

bool WriteAt(int fd, std::string_view bytes) {
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ShouldFail(Step::kWrite)
                                    ? (errno = ENOSPC, -1)
                                    : pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
        offset += written;
    }
    return true;
}

// Moves the temporary file to a name nothing holds. Where the file system has no such rename,
// a hard link does the same.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (link(from.c_str(), to.c_str()) != 0)
        return errno;
    unlink(from.c_str());
    return 0;
}

}  // namespace

AtomicFile::AtomicFile(std::string target, Mode mode) : target_(FollowLink(target)), mode_(mode) {}

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Open() {
    const std::string folder = FolderOf(target_);
    lock_ = std::make_unique<CatalogWriteLock>(target_);
    struct stat targetInfo;
    // A copy must not land on anything, a dangling link included; a save replaces such a link.
    const bool exists = (mode_ == Mode::kCreateOnly ? lstat(target_.c_str(), &targetInfo)
                                                    : stat(target_.c_str(), &targetInfo)) == 0;
    if (exists && mode_ == Mode::kCreateOnly) {
        error_ = Error::kTargetExists;
        return false;
    }
    // A name the folder cannot hold would only fail at the rename, after the other files of a
    // set had taken theirs.
    if ((exists && (!S_ISREG(targetInfo.st_mode) || (targetInfo.st_mode & S_IWUSR) == 0)) ||
        NameOf(target_).size() > NameLimit(folder)) {
        error_ = Error::kCannotCreate;
        return false;
    }
    if (lock_->held())
        RemoveStaleTemporaries(folder, NameOf(target_));
    if (CreateTemporary(folder)) {
        if (exists) {
            fchmod(fd_, targetInfo.st_mode & 07777);
            if (fchown(fd_, targetInfo.st_uid, targetInfo.st_gid) != 0) {
                // Only root may hand a file to another owner; the file then stays ours.
            }
        }
        buffer_.reserve(kBufferSize);
        return true;
    }
    if (exists && OpenInPlace())
        return true;
    error_ = Error::kCannotCreate;
    return false;
}

bool AtomicFile::CreateTemporary(const std::string& folder) {
    if (!FolderTakesFiles(folder))
        return false;
    std::random_device entropy;
    const size_t limit = NameLimit(folder);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const std::string unique =
            std::to_string(getpid()) + "-" + std::to_string(entropy() % 1000000);
        temporary_ = folder + "/" + TemporaryName(NameOf(target_), unique, limit);
        fd_ = open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, newPermissions_);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0)
        temporary_.clear();
    return fd_ >= 0;
}

bool AtomicFile::OpenInPlace() {
    fd_ = OpenRegularFile(target_, O_RDWR);
    if (fd_ < 0)
        return false;
    if (ReadAll(fd_, previous_) != ReadResult::kOk) {
        close(fd_);
        fd_ = -1;
        return false;
    }
    inPlace_ = true;
    return true;
}

bool AtomicFile::Write(std::string_view bytes) {
    if (fd_ < 0 || error_ != Error::kNone)
        return false;
    buffer_.append(bytes);
    return inPlace_ || buffer_.size() < kBufferSize || Flush();
}

bool AtomicFile::Flush() {
    if (ShouldFail(Step::kFlush)) {
        error_ = Error::kWriteFailed;
        return false;
    }
    std::string_view rest = buffer_;
    while (!rest.empty()) {
        const ssize_t written =
            ShouldFail(Step::kWrite) ? (errno = ENOSPC, -1) : write(fd_, rest.data(), rest.size());
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

bool AtomicFile::Stage() {
    if (inPlace_)
        return fd_ >= 0 && error_ == Error::kNone;
    if (staged_)
        return true;
    if (fd_ < 0 || error_ != Error::kNone || !Flush()) {
        if (error_ == Error::kNone)
            error_ = Error::kWriteFailed;
        Discard();
        return false;
    }
    const bool synced = !ShouldFail(Step::kSync) && fsync(fd_) == 0;
    const bool closeFault = ShouldFail(Step::kClose);
    const bool closed = close(fd_) == 0 && !closeFault;
    fd_ = -1;
    if (!synced || !closed) {
        error_ = Error::kWriteFailed;
        Discard();
        return false;
    }
    staged_ = true;
    return true;
}

bool AtomicFile::Commit() {
    const bool done = Stage() && (inPlace_ ? CommitInPlace() : MoveIntoPlace());
    Discard();
    lock_.reset();
    return done;
}

bool AtomicFile::MoveIntoPlace() {
    int failure = 0;
    if (ShouldFail(Step::kRename)) {
        failure = EIO;
    } else if (mode_ == Mode::kCreateOnly) {
        failure = RenameNoReplace(temporary_, target_);
    } else if (rename(temporary_.c_str(), target_.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        error_ = failure == EEXIST && mode_ == Mode::kCreateOnly ? Error::kTargetExists
                                                                 : Error::kWriteFailed;
        return false;
    }
    temporary_.clear();
    if (syncFolder_)
        SyncFolderOf(target_);
    return true;
}

bool AtomicFile::CommitInPlace() {
    bool written = WriteAt(fd_, buffer_) &&
                   (buffer_.size() >= previous_.size() ||
                    ftruncate(fd_, static_cast<off_t>(buffer_.size())) == 0) &&
                   !ShouldFail(Step::kSync) && fsync(fd_) == 0;
    if (!written) {
        // The old bytes still fit where they were: the file never shrank below their size.
        WriteAt(fd_, previous_);
        if (ftruncate(fd_, static_cast<off_t>(previous_.size())) == 0)
            fsync(fd_);
        error_ = Error::kWriteFailed;
    }
    return written;
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

void SyncFolderOf(const std::string& path) {
    const int fd = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

bool CanReplaceFile(const std::string& target) {
    AtomicFile file(target);
    return file.Open();
}

FileSetResult WriteFileSet(std::initializer_list<FileContent> files) {
    const std::vector<FileContent> contents(files);
    if (contents.empty())
        return {0, AtomicFile::Error::kNone};
    const CatalogWriteLock lock(contents.front().path);
    std::vector<std::unique_ptr<AtomicFile>> opened;
    for (const FileContent& content : contents) {
        opened.push_back(std::make_unique<AtomicFile>(content.path));
        if (!opened.back()->Open())
            return {opened.size() - 1, opened.back()->error()};
    }
    for (size_t i = 0; i < contents.size(); ++i) {
        if (!opened[i]->Write(contents[i].bytes) || !opened[i]->Stage())
            return {i, opened[i]->error()};
    }
    FileSetResult result{contents.size(), AtomicFile::Error::kNone};
    for (bool inPlace : {true, false}) {
        for (size_t i = 0; i < contents.size() && result.failed == contents.size(); ++i) {
            opened[i]->DeferFolderSync();
            if (opened[i]->inPlace() == inPlace && !opened[i]->Commit())
                result = {i, opened[i]->error()};
        }
    }
    for (const auto& file : opened)
        SyncFolderOf(file->target());
    return result;
}

}  // namespace sheetwise
