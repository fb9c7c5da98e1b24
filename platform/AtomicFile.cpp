#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "platform/CatalogWriteLock.h"
#include "platform/FileFailure.h"
#include "platform/FileNotices.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"
#include "platform/SymbolicLinks.h"
#include "platform/TemporaryNames.h"

namespace sheetwise {
namespace {

using file_faults::ShouldFail;
using file_faults::Step;

constexpr size_t kBufferSize = 1 << 16;

// The folder takes new files by its owner's write permission, as everywhere else (root too).
bool FolderTakesFiles(int folderFd) {
    struct stat info;
    return fstat(folderFd, &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_IWUSR);
}

// In a sticky folder only a file's owner, the folder's owner and root may replace the file.
bool StickyKeepsIt(int folderFd, const struct stat& target) {
    struct stat folder;
    const uid_t writer = geteuid();
    return fstat(folderFd, &folder) == 0 && (folder.st_mode & S_ISVTX) && writer != 0 &&
           target.st_uid != writer && folder.st_uid != writer;
}

// Read where the system tells it, since umask() can only be read by changing it.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
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
int RenameNoReplace(int folderFd, const std::string& from, const std::string& to) {
    if (renameat2(folderFd, from.c_str(), folderFd, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (linkat(folderFd, from.c_str(), folderFd, to.c_str(), 0) != 0)
        return errno;
    unlinkat(folderFd, from.c_str(), 0);
    return 0;
}

}  // namespace

AtomicFile::AtomicFile(std::string target, Mode mode)
    : requested_(std::move(target)), target_(requested_), mode_(mode) {}

AtomicFile::~AtomicFile() {
    Discard();
    if (folderFd_ >= 0)
        close(folderFd_);
}

bool AtomicFile::Open() {
    if (!Resolve())
        return false;
    folderFd_ = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd_ < 0) {
        RecordFileFailure(errno, target_);
        error_ = Error::kCannotCreate;
        return false;
    }
    lock_ = std::make_unique<CatalogWriteLock>(target_);
    if (lock_->gaveUp()) {
        error_ = Error::kLocked;
        return false;
    }
    bool exists = false;
    struct stat info;
    if (!CheckTarget(exists, info))
        return false;
    // A set whose recovery is still due keeps its files until it is settled.
    if (lock_->held() && !HasInterruptedSet(folderFd_))
        RemoveStaleTemporaries(folder_, name_);
    if (CreateTemporary(exists, info)) {
        buffer_.reserve(kBufferSize);
        return true;
    }
    if (error_ != Error::kNone)
        return false;
    if (exists && OpenInPlace())
        return true;
    // Neither a new file nor the old one in place: say why the folder took no new file.
    if (!exists && !FolderTakesFiles(folderFd_))
        RecordFileFailure(EACCES, target_);
    error_ = Error::kCannotCreate;
    return false;
}

// A copy never lands on anything, a link included, so only a save looks where a link leads.
bool AtomicFile::Resolve() {
    if (mode_ == Mode::kReplace) {
        const WriteTarget where = ResolveWriteTarget(requested_);
        if (where.check == LinkCheck::kForeign || where.check == LinkCheck::kLoop) {
            NotifyFile(where.check == LinkCheck::kForeign ? FileNotice::kForeignLink
                                                          : FileNotice::kLinkLoop,
                       where.path);
            error_ = where.check == LinkCheck::kForeign ? Error::kUnsafeLink : Error::kCannotCreate;
            return false;
        }
        if (where.check == LinkCheck::kFollowed)
            target_ = where.path;
    }
    folder_ = FolderOf(target_);
    name_ = NameOf(target_);
    return true;
}

bool AtomicFile::CheckTarget(bool& exists, struct stat& info) {
    exists = fstatat(folderFd_, name_.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && mode_ == Mode::kCreateOnly) {
        error_ = Error::kTargetExists;
        return false;
    }
    // A link still here is the writer's own that ends nowhere: the save replaces the link.
    if (exists && S_ISLNK(info.st_mode))
        exists = false;
    // A name the folder cannot hold would only fail at the rename, after the other files of a
    // set had taken theirs.
    if ((exists && (!S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0)) ||
        name_.size() > NameLimit(folder_)) {
        RecordFileFailure(!exists                  ? ENAMETOOLONG
                          : S_ISDIR(info.st_mode)  ? EISDIR
                          : !S_ISREG(info.st_mode) ? kNotRegularFile
                                                   : kReadOnlyFile,
                          target_);
        error_ = Error::kCannotCreate;
        return false;
    }
    return true;
}

bool AtomicFile::CreateTemporary(bool exists, const struct stat& info) {
    if (!FolderTakesFiles(folderFd_) || (exists && StickyKeepsIt(folderFd_, info)))
        return false;
    std::random_device entropy;
    const size_t limit = NameLimit(folder_);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const std::string unique =
            std::to_string(getpid()) + "-" + std::to_string(entropy() % 1000000);
        temporaryName_ = TemporaryName(name_, unique, limit);
        fd_ = openat(folderFd_, temporaryName_.c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        RecordFileFailure(errno, target_);
        temporaryName_.clear();
        return false;
    }
    bool inPlaceInstead = false;
    if (TakeOwnerAndMode(exists, info, inPlaceInstead))
        return true;
    Discard();
    if (!inPlaceInstead)
        error_ = Error::kWriteFailed;
    return false;
}

// Only root can give a file to another user: a file of another user's becomes the writer's, as
// any editor's save makes it. Its group, though, decides who else reads it, so a file whose group
// the writer cannot give is written in place instead, keeping owner, group and mode.
bool AtomicFile::TakeOwnerAndMode(bool exists, const struct stat& info, bool& inPlaceInstead) {
    struct stat mine;
    if (ShouldFail(Step::kPermissions) || fstat(fd_, &mine) != 0)
        return false;
    if (exists) {
        const bool root = geteuid() == 0;
        const bool ownerDiffers = root && info.st_uid != mine.st_uid;
        const bool groupDiffers = info.st_gid != mine.st_gid;
        if ((ownerDiffers || groupDiffers) &&
            fchown(fd_, ownerDiffers ? info.st_uid : static_cast<uid_t>(-1),
                   groupDiffers ? info.st_gid : static_cast<gid_t>(-1)) != 0) {
            inPlaceInstead = errno == EPERM;
            return false;
        }
    }
    const mode_t mode = exists ? info.st_mode & 07777 : newPermissions_ & 07777 & ~CurrentUmask();
    return fchmod(fd_, mode) == 0;
}

bool AtomicFile::OpenInPlace() {
    fd_ = openat(folderFd_, name_.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        RecordFileFailure(errno, target_);
    struct stat info;
    const int status = fd_ < 0 ? -1 : fcntl(fd_, F_GETFL);
    if (fd_ < 0 || fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || status < 0 ||
        fcntl(fd_, F_SETFL, status & ~O_NONBLOCK) != 0 ||
        ReadAll(fd_, previous_) != ReadResult::kOk) {
        Discard();
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
            RecordFileFailure(written < 0 ? errno : ENOSPC, target_);
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
    struct stat info;
    const bool synced = !ShouldFail(Step::kSync) && fsync(fd_) == 0 && fstat(fd_, &info) == 0;
    const bool closeFault = ShouldFail(Step::kClose);
    const bool closed = close(fd_) == 0 && !closeFault;
    fd_ = -1;
    if (!synced || !closed) {
        RecordFileFailure(errno != 0 ? errno : EIO, target_);
        error_ = Error::kWriteFailed;
        Discard();
        return false;
    }
    stagedKey_ = {info.st_dev, info.st_ino};
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
    const std::string target = folder_ + "/" + name_;
    if (ShouldFail(Step::kRename)) {
        failure = EIO;
    } else if (mode_ == Mode::kCreateOnly) {
        failure = RenameNoReplace(folderFd_, temporaryName_, name_);
    } else if (std::rename((folder_ + "/" + temporaryName_).c_str(), target.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        RecordFileFailure(failure, target_);
        error_ = failure == EEXIST && mode_ == Mode::kCreateOnly ? Error::kTargetExists
                                                                 : Error::kWriteFailed;
        return false;
    }
    temporaryName_.clear();
    if (syncFolder_)
        fsync(folderFd_);
    return true;
}

bool AtomicFile::CommitInPlace() {
    bool written = WriteAt(fd_, buffer_) &&
                   (buffer_.size() >= previous_.size() ||
                    ftruncate(fd_, static_cast<off_t>(buffer_.size())) == 0) &&
                   !ShouldFail(Step::kSync) && fsync(fd_) == 0;
    if (!written) {
        RecordFileFailure(errno != 0 ? errno : EIO, target_);
        // The old bytes still fit where they were: the file never shrank below their size.
        WriteAt(fd_, previous_);
        if (ftruncate(fd_, static_cast<off_t>(previous_.size())) == 0)
            fsync(fd_);
        error_ = Error::kWriteFailed;
    }
    return written;
}

bool AtomicFile::UndoInPlace() {
    const int fd =
        openat(folderFd_, name_.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool restored = WriteAt(fd, previous_) &&
                          ftruncate(fd, static_cast<off_t>(previous_.size())) == 0 &&
                          fsync(fd) == 0;
    close(fd);
    return restored;
}

void AtomicFile::Discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!temporaryName_.empty()) {
        unlinkat(folderFd_, temporaryName_.c_str(), 0);
        temporaryName_.clear();
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

}  // namespace sheetwise
