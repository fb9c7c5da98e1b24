// The intent record of a set save, which makes the renames of several files one step.
//
// Each file of a set is staged whole beside its target first. Before the first of them takes its
// name, a small record naming every file (its temporary, the target, a second name kept for the
// old file, and the identity of each) is written and synced in the folder; it is removed after
// the last rename. Whatever ends the save in between (a kill, a failing rename, a crash), the
// record is still there: the next writer, and the next reader, of that folder finds it and either
// completes the set (every staged file takes its name) or rolls it back (every old file takes its
// name again) before anything else, as a database journal does. So a set is only ever seen whole,
// old or new.
//
// A record is honoured only by the user who wrote it (it is named after the user, and must be
// theirs): another user's record could otherwise make a save rename that user's files over ours.
// Every name in it lies in the record's own folder, and a file is renamed only while it is still
// the very file (device and inode) the record names.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace sheetwise {

struct FileKey {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileKey&, const FileKey&) = default;
};

// One file of a set, by names in the record's folder.
struct JournalEntry {
    std::string target;
    std::string temporary;  // the staged file that takes the target's name
    std::string backup;     // the old file kept under a second name; empty when none was kept
    FileKey staged;
    FileKey old;   // the old file at the target's name; zeros when there was none
    FileKey kept;  // the file under the backup name: the old file itself, or a copy of it
};

// The record's name for this user.
std::string IntentRecordName();

// Writes the record and syncs it and the folder. False, with nothing left behind, when that fails.
bool WriteIntentRecord(int folderFd, const std::vector<JournalEntry>& entries);
// Removes the record once the set is whole again, and syncs the folder.
void RemoveIntentRecord(int folderFd);

enum class SetOutcome {
    kCompleted,   // every file holds the new content
    kRolledBack,  // every file holds the old content
    kStuck,       // neither could be done: the record stays for a later attempt
};

// Brings the files of the entries to a whole set: completes it when completeFirst and every
// staged file is still there, otherwise rolls back the files that took their new name. Removes
// what is left of the temporaries and the old files' second names, unless stuck. folder is the
// path of folderFd, for the renames.
SetOutcome SettleSet(int folderFd, const std::string& folder,
                     const std::vector<JournalEntry>& entries, bool completeFirst);

// True when this user's record lies in the folder.
bool HasInterruptedSet(int folderFd);
// Settles the set of this user's record in the folder, completing it where it can. Call only
// while holding the folder's exclusive lock.
void RecoverInterruptedSet(int folderFd, const std::string& folder);

}  // namespace sheetwise
