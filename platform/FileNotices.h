// What the file layer tells beyond a failure status: why a save refused a file, and what it did
// to a set another save left half done. The program shows these as it shows any message (the
// command-line tool on standard error); without a handler they go nowhere.
#pragma once

#include <functional>
#include <string>

namespace sheetwise {

enum class FileNotice {
    kForeignLink,    // path is a link, or leads to a file, of another user's: not written through
    kLinkLoop,       // path is a chain of links too long to follow
    kSetCompleted,   // an interrupted set save in the folder `path` was completed
    kSetRolledBack,  // ... was rolled back: its files hold what they held before it
    kSetStuck,       // ... could be neither: its files stay as they are until a later attempt
};

using FileNoticeHandler = std::function<void(FileNotice notice, const std::string& path)>;

// The handler every notice of this process goes to from now on; returns the previous one.
FileNoticeHandler SetFileNoticeHandler(FileNoticeHandler handler);

void NotifyFile(FileNotice notice, const std::string& path);

}  // namespace sheetwise
