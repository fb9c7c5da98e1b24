// Writing several files as one set: a catalog and its attribute file.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace sheetwise {

// Why a file could not be written (AtomicFile::Error).
enum class FileError {
    kNone,
    kCannotCreate,
    kWriteFailed,
    kTargetExists,
    kUnsafeLink,  // a link of another user's, or to another user's file (FileNotices.h)
    kLocked,      // the folder's lock could not be had in time, or the wait was cancelled
};

struct FileContent {
    std::string path;  // resolved native path
    std::string_view bytes;
};

struct FileSetResult {
    size_t failed;  // the file that failed; the number of files when none did
    FileError error;
    // The set could be neither completed nor rolled back after a failing rename: its intent
    // record stays, and the next writer or reader of the folder settles it (SetJournal.h).
    bool unsettled = false;
};

// Writes a set of files whole or not at all. Under the write lock of each file's folder, every
// file is opened (so a file that cannot be written stops the save before anything changed), then
// written and synced beside its target. The files written in place go first, since only those can
// still fail for lack of space; their old bytes stay in memory until the whole set is written. For
// the rest an intent record is written (SetJournal.h) and the old files keep a second name; then
// they take their names. When a rename fails, the files that took theirs are rolled back, and the
// result names the file that failed; whatever ends the process meanwhile, the next writer or reader
// completes or rolls back the set from the record. Files of a set that lie in different folders
// (a companion linked elsewhere) are rolled back when a rename fails, but a kill between their
// renames is not recovered.
FileSetResult WriteFileSet(std::initializer_list<FileContent> files);

}  // namespace sheetwise
