// Replacing a file without ever destroying the one that is there.
//
// A catalog that a print server depends on must survive a full disk, a failing network share and
// a killed editor. The new content goes to a temporary file in the same folder, which is flushed
// and synced before it takes the target's name in one rename; until then the old file is
// untouched, and on any failure the temporary file is removed. Every writer does this under the
// folder's CatalogWriteLock, which also lets it remove what killed writers left behind.
//
// Other users may share the folder. The temporary file is made relative to the folder's
// descriptor, never through a link and never over an existing name (O_NOFOLLOW, O_EXCL), with
// permissions for its owner alone (0600); only then does it get the target's group and mode (or,
// for a new file, the mode asked for, less the umask), and a failure there fails the save rather
// than leaving a file more open or differently owned than the one it replaces. A target that is
// a symbolic link is written through only under the rule of SymbolicLinks.h.
//
// A folder that takes no new file (one the user may not write) still holds files the user may
// write, and a file whose group a new file could not get (another user's group), or that the
// folder's sticky bit keeps from being replaced, is in the same case. Such a file is written in
// place: its old bytes are kept in memory and put back when the write fails, so a failure still
// leaves the old file; only a kill in the middle can tear it.
#pragma once

#include <sys/stat.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/FileFaults.h"
#include "platform/FileSet.h"
#include "platform/SetJournal.h"

namespace sheetwise {

class CatalogWriteLock;

class AtomicFile {
  public:
    using Error = FileError;
    // kReplace: the file is created or replaced, and a replaced file keeps its permissions.
    // kCreateOnly: the file is created only where nothing is; what another writer puts there
    // meanwhile stays (kTargetExists), so racing copies of a missing file never clash.
    enum class Mode { kReplace, kCreateOnly };

    // target: a resolved native path. Nothing is touched before Open().
    explicit AtomicFile(std::string target, Mode mode = Mode::kReplace);
    ~AtomicFile();  // an uncommitted temporary file is removed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The permission bits a newly created file gets, less the umask (otherwise 0666).
    void SetNewFilePermissions(unsigned permissions) { newPermissions_ = permissions; }

    // Follows an own link (SymbolicLinks.h), locks the folder, removes the target's leftover
    // temporary files and creates the temporary file, or, where that cannot be, opens the existing
    // file to be written in place. Fails (kCannotCreate) when the target is read-only or not a
    // regular file, or when neither way is open; kUnsafeLink for a link it may not follow;
    // kLocked when the lock cannot be had; with kCreateOnly, kTargetExists when something is there.
    bool Open();

    // Buffers bytes; writes them out whenever the buffer is full. False once anything failed.
    bool Write(std::string_view bytes);

    // Everything but taking the target's name: flushed, synced and closed. A set of files is
    // staged as a whole before the first of them is committed. (In place: nothing to do yet.)
    bool Stage();

    // Stages when not done yet, then moves the file into place. In place: writes over the old
    // bytes, and puts them back when that fails.
    bool Commit();

    // Commit then leaves the folder unsynced, so that the files of a set take their names one
    // right after the other; the caller syncs the folder (SyncFolderOf) afterwards.
    void DeferFolderSync() { syncFolder_ = false; }

    Error error() const { return error_; }
    bool inPlace() const { return inPlace_; }
    // The file written: the path given, or the file an own link leads to (after Open).
    const std::string& target() const { return target_; }

    // For a set's commit (FileSet.h), after Stage(): where the file is, and the staged file.
    int folderFd() const { return folderFd_; }
    const std::string& folder() const { return folder_; }
    const std::string& name() const { return name_; }
    const std::string& temporaryName() const { return temporaryName_; }
    FileKey stagedKey() const { return stagedKey_; }
    // The set took care of the temporary file (it took its name, or must stay for a recovery).
    void ForgetTemporary() { temporaryName_.clear(); }
    // In place, after a Commit that succeeded: puts the old bytes back, because another file of
    // the set failed. False when that fails too.
    bool UndoInPlace();

  private:
    bool Resolve();
    bool CheckTarget(bool& exists, struct stat& info);
    bool CreateTemporary(bool exists, const struct stat& info);
    bool TakeOwnerAndMode(bool exists, const struct stat& info, bool& inPlaceInstead);
    bool OpenInPlace();
    bool Flush();
    bool MoveIntoPlace();
    bool CommitInPlace();
    void Discard();

    std::string requested_;
    std::string target_;
    std::string folder_;
    std::string name_;
    Mode mode_;
    std::unique_ptr<CatalogWriteLock> lock_;
    std::string temporaryName_;
    std::string buffer_;
    std::string previous_;  // in place: the bytes to put back
    unsigned newPermissions_ = 0666;
    int folderFd_ = -1;
    int fd_ = -1;
    FileKey stagedKey_;
    bool inPlace_ = false;
    bool staged_ = false;
    bool syncFolder_ = true;
    Error error_ = Error::kNone;
};

// Makes the renames in the folder that holds path durable.
void SyncFolderOf(const std::string& path);

// Opens the file as Open() would and abandons it: true when a save could write it now.
bool CanReplaceFile(const std::string& target);

}  // namespace sheetwise
