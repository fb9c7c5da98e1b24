// The lock of a catalog's folder: one writer at a time, and no reader in the middle of a save.
//
// A catalog is three files, and a save writes two of them. Two programs saving the same catalog
// at once (two editors, the editor and sheetwise-cli) could each move one of their files into
// place, and a reader between the two renames of a save would read a new catalog beside an old
// attribute file. So writers take the exclusive side of a lock file in the folder,
// ".sheetwise.lock", and readers take its shared side.
//
// The lock file needs write permission to open (flock would take any descriptor): a user who may
// only read the folder can take neither side, and so cannot stop a save. The first writer makes
// it, writable by whoever may write the folder (its group and others as the folder allows);
// readers never make it. flock goes away with the process that held it, however it ended.
// Every wait is bounded (LockWait.h): a holder that does not let go makes the save or the read
// fail, saying who holds the lock, instead of hanging.
//
// Taking the exclusive side first completes or rolls back a set save of this user's that was
// interrupted in this folder (SetJournal.h), so that nothing is written or read over a set
// half replaced; a reader that finds such a save does the same before it reads.
#pragma once

#include <string>

#include "platform/LockWait.h"

namespace sheetwise {

// The lock file's name in every folder a catalog is saved in.
inline constexpr const char* kLockFileName = ".sheetwise.lock";

class FolderLock {
  public:
    enum class Side { kShared, kExclusive };
    enum class State {
        kHeld,
        // No lock can be had: the folder cannot be opened, a reader finds no lock file, the lock
        // file cannot be made or opened for writing, the file system has no locks. The caller
        // goes ahead unserialised, as it would without this lock; nothing that relies on being
        // the only writer (removing leftovers, recovering a set) is done.
        kUnavailable,
        kTimedOut,   // another process held it for the whole time-out
        kCancelled,  // the policy's stillWaiting said to stop
    };

    // Locks the folder that holds path (a resolved native path). The same thread may lock a
    // folder again while it holds it (a set save locks once for the set and once for each file):
    // the inner guard shares the outer one's lock (exclusive serves for shared too; shared asked
    // to be exclusive becomes exclusive), or its failure, without waiting again. The lock is
    // released with the outermost guard.
    FolderLock(const std::string& path, Side side);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return state_ == State::kHeld; }
    State state() const { return state_; }
    // Timed out or cancelled: the caller must not go ahead.
    bool gaveUp() const { return state_ == State::kTimedOut || state_ == State::kCancelled; }
    // A shared side that found no lock file: true when a writer has made one since, so that what
    // was read meanwhile may have been read in the middle of the folder's first save.
    bool WriterAppeared() const;

    // What a thread keeps of a folder it holds, for the guards inside the outermost one.
    struct HeldFolderState {
        int fd = -1;  // -1 after a wait that gave up
        int depth = 0;
        Side side = Side::kShared;
        State state = State::kHeld;
    };

  private:
    void Acquire(int folderFd, Side side);
    void Join(HeldFolderState& folder, int folderFd, Side side);
    void Take(int folderFd, unsigned folderMode, unsigned folderOwner, Side side);

    std::string folder_;
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
    State state_ = State::kUnavailable;
    bool registered_ = false;  // counted in the thread's held folders
    bool noLockFile_ = false;
};

// The writer's side.
class CatalogWriteLock : public FolderLock {
  public:
    explicit CatalogWriteLock(const std::string& path) : FolderLock(path, Side::kExclusive) {}
};

// The reader's side.
class CatalogReadLock : public FolderLock {
  public:
    explicit CatalogReadLock(const std::string& path) : FolderLock(path, Side::kShared) {}
};

}  // namespace sheetwise
