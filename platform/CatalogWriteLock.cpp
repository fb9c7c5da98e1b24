#include "platform/CatalogWriteLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <thread>
#include <utility>

#include "platform/FileFailure.h"
#include "platform/NativePath.h"
#include "platform/SetJournal.h"

namespace sheetwise {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

using FolderKey = std::pair<unsigned long long, unsigned long long>;

// The folders this thread holds. Another thread opens the lock file anew, and flock serialises
// separate opens like separate processes.
thread_local std::map<FolderKey, FolderLock::HeldFolderState> heldFolders;

constexpr milliseconds kReportEvery(250);
constexpr milliseconds kLongestPause(50);

// Writable by whoever may write the folder, so that every writer of the folder can take it.
mode_t LockFileMode(mode_t folderMode) {
    return S_IRUSR | S_IWUSR | ((folderMode & S_IWGRP) ? S_IRGRP | S_IWGRP : 0) |
           ((folderMode & S_IWOTH) ? S_IROTH | S_IWOTH : 0);
}

// In a shared folder with the sticky bit, anybody may make the lock file first and hold it for
// ever, and nobody else can remove it. There a lock file counts only when it is this user's, the
// folder owner's or root's: another user's would let them stop every save. (Without the sticky
// bit, whoever may make files in the folder may also replace the catalog's own files.)
bool TrustedLockFile(const struct stat& lockFile, mode_t folderMode, uid_t folderOwner) {
    return !(folderMode & S_ISVTX) || lockFile.st_uid == geteuid() || lockFile.st_uid == 0 ||
           lockFile.st_uid == folderOwner;
}

// Opened without following a link and without waiting on a FIFO; only a regular file will do.
int OpenLockFile(int folderFd, bool create, mode_t folderMode, uid_t folderOwner) {
    constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    int fd = openat(folderFd, kLockFileName, kFlags);
    // A folder that takes no new file (by its owner's write permission, for root too) gets none.
    if (fd < 0 && errno == ENOENT && create && (folderMode & S_IWUSR)) {
        fd = openat(folderFd, kLockFileName, kFlags | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR);
        if (fd >= 0)
            fchmod(fd, LockFileMode(folderMode));  // failing, only this user can take it
        else if (errno == EEXIST)
            fd = openat(folderFd, kLockFileName, kFlags);
    }
    struct stat info;
    if (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
                    !TrustedLockFile(info, folderMode, folderOwner))) {
        close(fd);
        fd = -1;
        errno = EPERM;
    }
    return fd;
}

LockWaitStatus StatusOf(int fd, const std::string& lockFile, Clock::time_point start,
                        milliseconds timeout) {
    LockWaitStatus status;
    status.lockFile = lockFile;
    status.waited = std::chrono::duration_cast<milliseconds>(Clock::now() - start);
    status.timeout = timeout;
    struct stat info;
    if (fstat(fd, &info) == 0)
        status.holder = FindLockHolder(info.st_dev, info.st_ino);
    return status;
}

// Polls for the lock, so that the wait can end at its time-out or when cancelled.
FolderLock::State WaitFor(int fd, int operation, const std::string& lockFile) {
    const LockWaitPolicy policy = CurrentLockWaitPolicy();
    const Clock::time_point start = Clock::now();
    Clock::time_point nextReport = start + kReportEvery;
    milliseconds pause(1);
    for (;;) {
        if (flock(fd, operation | LOCK_NB) == 0)
            return FolderLock::State::kHeld;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return FolderLock::State::kUnavailable;
        const Clock::time_point now = Clock::now();
        if (now - start >= policy.timeout) {
            const LockWaitStatus status = StatusOf(fd, lockFile, start, policy.timeout);
            RecordFileFailure(kLockHeld, lockFile,
                              "the lock is held by " + status.holder.Describe());
            if (policy.gaveUp)
                policy.gaveUp(status, false);
            return FolderLock::State::kTimedOut;
        }
        if (policy.stillWaiting && now >= nextReport) {
            nextReport = now + kReportEvery;
            const LockWaitStatus status = StatusOf(fd, lockFile, start, policy.timeout);
            if (!policy.stillWaiting(status)) {
                RecordFileFailure(kLockHeld, lockFile,
                                  "the wait for " + status.holder.Describe() + " was cancelled");
                if (policy.gaveUp)
                    policy.gaveUp(status, true);
                return FolderLock::State::kCancelled;
            }
        }
        const auto left = std::chrono::duration_cast<milliseconds>(start + policy.timeout - now);
        std::this_thread::sleep_for(std::max(milliseconds(1), std::min({pause, left})));
        pause = std::min(pause * 2, kLongestPause);
    }
}

}  // namespace

FolderLock::FolderLock(const std::string& path, Side side) : folder_(FolderOf(path)) {
    const int folderFd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return;
    Acquire(folderFd, side);
    close(folderFd);
}

void FolderLock::Acquire(int folderFd, Side side) {
    struct stat folderInfo;
    if (fstat(folderFd, &folderInfo) != 0)
        return;
    device_ = folderInfo.st_dev;
    inode_ = folderInfo.st_ino;
    const auto held = heldFolders.find({device_, inode_});
    if (held != heldFolders.end())
        Join(held->second, folderFd, side);
    else
        Take(folderFd, folderInfo.st_mode, folderInfo.st_uid, side);
}

// Inside an outer guard of this thread: its lock (or its failure) serves, a shared side asked to
// be exclusive becoming so.
void FolderLock::Join(HeldFolderState& folder, int folderFd, Side side) {
    if (folder.state == State::kHeld && side == Side::kExclusive && folder.side == Side::kShared) {
        state_ = WaitFor(folder.fd, LOCK_EX, folder_ + "/" + kLockFileName);
        if (state_ != State::kHeld) {
            // flock gives up the shared side while it tries for the exclusive one.
            flock(folder.fd, LOCK_SH | LOCK_NB);
            return;
        }
        folder.side = Side::kExclusive;
        RecoverInterruptedSet(folderFd, folder_);
    }
    ++folder.depth;
    registered_ = true;
    state_ = folder.state;
}

void FolderLock::Take(int folderFd, unsigned folderMode, unsigned folderOwner, Side side) {
    // A reader that finds a save of this user's interrupted repairs the set before reading it.
    const Side taken =
        side == Side::kShared && HasInterruptedSet(folderFd) ? Side::kExclusive : side;
    const int fd = OpenLockFile(folderFd, taken == Side::kExclusive, folderMode, folderOwner);
    if (fd < 0) {
        noLockFile_ = side == Side::kShared && errno == ENOENT;
        return;
    }
    state_ =
        WaitFor(fd, taken == Side::kExclusive ? LOCK_EX : LOCK_SH, folder_ + "/" + kLockFileName);
    if (state_ != State::kHeld)
        close(fd);
    if (state_ == State::kUnavailable)
        return;
    // A wait that gave up is remembered too, so that the guards inside this one fail at once.
    heldFolders[{device_, inode_}] =
        HeldFolderState{state_ == State::kHeld ? fd : -1, 1, taken, state_};
    registered_ = true;
    if (state_ == State::kHeld && taken == Side::kExclusive)
        RecoverInterruptedSet(folderFd, folder_);
}

FolderLock::~FolderLock() {
    if (!registered_)
        return;
    const auto held = heldFolders.find({device_, inode_});
    if (held == heldFolders.end() || --held->second.depth > 0)
        return;
    if (held->second.fd >= 0)
        close(held->second.fd);  // releases the lock
    heldFolders.erase(held);
}

bool FolderLock::WriterAppeared() const {
    const std::string lockFile = folder_ + "/" + kLockFileName;
    return noLockFile_ && access(lockFile.c_str(), F_OK) == 0;
}

}  // namespace sheetwise
