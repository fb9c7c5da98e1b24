// Replacing a file without ever destroying the one that is there.
//
// A catalog that a print server depends on must survive a full disk, a failing network share and
// a killed editor. The new content goes to a temporary file in the same folder, which is flushed
// and synced before it takes the target's name in one rename; until then the old file is
// untouched, and on any failure the temporary file is removed. Every writer does this under the
// folder's CatalogWriteLock, which also lets it remove what killed writers left behind.
//
// A folder that takes no new file (one the user may not write) still holds files the user may
// write. Such a file is written in place: its old bytes are kept in memory and put back when the
// write fails, so a failure still leaves the old file; only a kill in the middle can tear it.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace sheetwise {

class CatalogWriteLock;

class AtomicFile {
  public:
    enum class Error { kNone, kCannotCreate, kWriteFailed, kTargetExists };
    // kReplace: the file is created or replaced, and a replaced file keeps its permissions.
    // kCreateOnly: the file is created only where nothing is; what another writer puts there
    // meanwhile stays (kTargetExists), so racing copies of a missing file never clash.
    enum class Mode { kReplace, kCreateOnly };

    // target: a resolved UTF-8 path. Nothing is touched before Open().
    explicit AtomicFile(std::string target, Mode mode = Mode::kReplace);
    ~AtomicFile();  // an uncommitted temporary file is removed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The permission bits a newly created file gets (otherwise 0666 less the umask).
    void SetNewFilePermissions(unsigned permissions) { newPermissions_ = permissions; }

    // Locks the folder, removes the target's leftover temporary files and creates the temporary
    // file, or, where the folder takes none, opens the existing file to be written in place.
    // Fails (kCannotCreate) when the target is read-only or not a regular file, or when neither
    // way is open; with kCreateOnly, kTargetExists when something is there already.
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
    const std::string& target() const { return target_; }

  private:
    bool CreateTemporary(const std::string& folder);
    bool OpenInPlace();
    bool Flush();
    bool MoveIntoPlace();
    bool CommitInPlace();
    void Discard();

    std::string target_;
    Mode mode_;
    std::unique_ptr<CatalogWriteLock> lock_;
    std::string temporary_;
    std::string buffer_;
    std::string previous_;  // in place: the bytes to put back
    unsigned newPermissions_ = 0666;
    int fd_ = -1;
    bool inPlace_ = false;
    bool staged_ = false;
    bool syncFolder_ = true;
    Error error_ = Error::kNone;
};

// Makes the renames in the folder that holds path durable.
void SyncFolderOf(const std::string& path);

// Opens the file as Open() would and abandons it: true when a save could write it now.
bool CanReplaceFile(const std::string& target);

struct FileContent {
    std::string path;  // resolved UTF-8 path
    std::string_view bytes;
};

struct FileSetResult {
    size_t failed;  // the file that failed; the number of files when none did
    AtomicFile::Error error;
};

// Writes a set of files as far as a file system allows: under the write lock of the first file's
// folder, every file is opened (so a file that cannot be written stops the save before anything
// changed), then written and synced, and only then are they moved into place, the files written
// in place first, since only those can still fail for lack of space. Only a kill or a failing
// rename between two moves can leave the set half written.
FileSetResult WriteFileSet(std::initializer_list<FileContent> files);

// A test seam: make the n-th write, flush, sync, close or rename of AtomicFile fail, counted
// from the call. Only tests use it.
namespace file_faults {

enum class Step { kWrite, kFlush, kSync, kClose, kRename };

void FailAt(Step step, int n);
void Clear();
// Used by AtomicFile: true when this step is the one that is to fail.
bool ShouldFail(Step step);

}  // namespace file_faults

}  // namespace sheetwise
