#include "platform/FileSet.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <random>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/CatalogWriteLock.h"
#include "platform/FileFailure.h"
#include "platform/FileNotices.h"
#include "platform/FileOps.h"
#include "platform/TemporaryNames.h"

namespace sheetwise {
namespace {

using file_faults::ShouldFail;
using file_faults::Step;
using Files = std::vector<std::unique_ptr<AtomicFile>>;
using FileList = std::vector<AtomicFile*>;

std::string BackupName(const AtomicFile& file) {
    static std::random_device entropy;
    return TemporaryName(file.name(),
                         std::to_string(getpid()) + "-" + std::to_string(entropy() % 1000000),
                         NameLimit(file.folder()));
}

// Where hard links are not to be had (some shares), the old bytes are copied, with the old file's
// owner and mode so that a rollback gives back the very same permissions.
bool CopyOldFile(const AtomicFile& file, const struct stat& old, JournalEntry& entry) {
    const int in = openat(file.folderFd(), file.name().c_str(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    std::string bytes;
    const bool read = in >= 0 && ReadAll(in, bytes) == ReadResult::kOk;
    if (in >= 0)
        close(in);
    const int out = read ? openat(file.folderFd(), entry.backup.c_str(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)
                         : -1;
    if (out < 0)
        return false;
    struct stat copy;
    bool written = write(out, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                   (geteuid() != 0 || fchown(out, old.st_uid, old.st_gid) == 0) &&
                   fchmod(out, old.st_mode & 07777) == 0 && fsync(out) == 0 &&
                   fstat(out, &copy) == 0;
    written = close(out) == 0 && written;
    if (!written) {
        unlinkat(file.folderFd(), entry.backup.c_str(), 0);
        return false;
    }
    entry.kept = {copy.st_dev, copy.st_ino};
    return true;
}

// The journal entry of a staged file, with the old file kept under a second name for a rollback
// where there is one to be had: a single file either takes its name or keeps the old one.
bool PrepareEntry(const AtomicFile& file, bool keepOld, JournalEntry& entry) {
    entry.target = file.name();
    entry.temporary = file.temporaryName();
    entry.staged = file.stagedKey();
    struct stat old;
    if (fstatat(file.folderFd(), file.name().c_str(), &old, AT_SYMLINK_NOFOLLOW) != 0)
        return true;  // nothing there before: a rollback removes the new file
    entry.old = entry.kept = {old.st_dev, old.st_ino};
    if (!keepOld)
        return true;
    entry.backup = BackupName(file);
    if (ShouldFail(Step::kBackup))
        return false;
    if (linkat(file.folderFd(), file.name().c_str(), file.folderFd(), entry.backup.c_str(), 0) == 0)
        return true;
    return S_ISREG(old.st_mode) && CopyOldFile(file, old, entry);
}

void RemoveBackups(const FileList& files, const std::vector<JournalEntry>& entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].backup.empty())
            unlinkat(files[i]->folderFd(), entries[i].backup.c_str(), 0);
    }
}

// One record for the set where all its files share a folder; a set across folders has none.
bool SameFolder(const FileList& files) {
    struct stat first, other;
    if (fstat(files.front()->folderFd(), &first) != 0)
        return false;
    for (const auto& file : files) {
        if (fstat(file->folderFd(), &other) != 0 || other.st_dev != first.st_dev ||
            other.st_ino != first.st_ino)
            return false;
    }
    return true;
}

bool Rename(const AtomicFile& file) {
    const std::string target = file.folder() + "/" + file.name();
    const bool renamed =
        !ShouldFail(Step::kRename) &&
        std::rename((file.folder() + "/" + file.temporaryName()).c_str(), target.c_str()) == 0;
    if (!renamed)
        RecordFileFailure(errno != 0 ? errno : EIO, target);
    return renamed;
}

// After a rename failed: the files that took their names get their old ones back, and the
// staged files and second names of the rest go, unless that fails for one of them: then all stay
// for the recovery. Files in different folders are settled one by one.
bool RollBack(const FileList& files, const std::vector<JournalEntry>& entries, bool journaled) {
    if (journaled)
        return SettleSet(files.front()->folderFd(), files.front()->folder(), entries, false) ==
               SetOutcome::kRolledBack;
    bool settled = true;
    for (size_t i = files.size(); i-- > 0;) {
        settled = SettleSet(files[i]->folderFd(), files[i]->folder(), {entries[i]}, false) ==
                      SetOutcome::kRolledBack &&
                  settled;
    }
    return settled;
}

// Renames the staged files into place, journaled; a failure is rolled back.
FileSetResult RenameAll(const FileList& files) {
    std::vector<JournalEntry> entries(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        if (!PrepareEntry(*files[i], files.size() > 1, entries[i])) {
            RemoveBackups(files, entries);
            return {i, FileError::kWriteFailed};
        }
    }
    const int folderFd = files.front()->folderFd();
    const bool journaled = files.size() > 1 && SameFolder(files);
    if (journaled && !WriteIntentRecord(folderFd, entries)) {
        RemoveBackups(files, entries);
        return {0, FileError::kWriteFailed};
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (Rename(*files[i]))
            continue;
        const bool settled = RollBack(files, entries, journaled);
        for (const auto& file : files)
            file->ForgetTemporary();  // removed by the rollback, or kept for the recovery
        if (settled && journaled)
            RemoveIntentRecord(folderFd);
        if (!settled)
            NotifyFile(FileNotice::kSetStuck, files[i]->folder());
        return {i, FileError::kWriteFailed, !settled};
    }
    for (const auto& file : files) {
        file->ForgetTemporary();
        fsync(file->folderFd());
    }
    RemoveBackups(files, entries);
    if (journaled)
        RemoveIntentRecord(folderFd);
    return {files.size(), FileError::kNone};
}

FileSetResult CommitSet(const Files& files) {
    FileList renamed;
    std::vector<size_t> renamedIndex;
    FileList writtenInPlace;
    const auto undoInPlace = [&] {
        for (AtomicFile* file : writtenInPlace)
            file->UndoInPlace();
    };
    for (size_t i = 0; i < files.size(); ++i) {
        AtomicFile& file = *files[i];
        if (!file.inPlace()) {
            renamed.push_back(&file);
            renamedIndex.push_back(i);
            continue;
        }
        file.DeferFolderSync();
        if (!file.Commit()) {
            undoInPlace();
            return {i, file.error()};
        }
        writtenInPlace.push_back(&file);
    }
    if (renamed.empty())
        return {files.size(), FileError::kNone};
    FileSetResult result = RenameAll(renamed);
    if (result.error == FileError::kNone)
        return {files.size(), FileError::kNone};
    undoInPlace();
    result.failed = renamedIndex[result.failed];
    return result;
}

}  // namespace

FileSetResult WriteFileSet(std::initializer_list<FileContent> files) {
    const std::vector<FileContent> contents(files);
    if (contents.empty())
        return {0, FileError::kNone};
    Files opened;
    std::vector<std::unique_ptr<CatalogWriteLock>> locks;
    for (const FileContent& content : contents) {
        opened.push_back(std::make_unique<AtomicFile>(content.path));
        if (!opened.back()->Open())
            return {opened.size() - 1, opened.back()->error()};
        // Each file lets go of its folder's lock once committed; the set keeps them all.
        locks.push_back(std::make_unique<CatalogWriteLock>(opened.back()->target()));
    }
    for (size_t i = 0; i < contents.size(); ++i) {
        if (!opened[i]->Write(contents[i].bytes) || !opened[i]->Stage())
            return {i, opened[i]->error()};
    }
    return CommitSet(opened);
}

}  // namespace sheetwise
