// The operating system's reason for the last file operation of this thread that failed, so that
// a message can say why ("permission denied", "no space left on the device") and not only that
// it failed. The file layer records a failure where it meets one; whoever reports it clears the
// record before the operation it reports on.
#pragma once

#include <optional>
#include <string>

namespace sheetwise {

// errno of a failure; or kNotRegularFile for a FIFO, a device or a socket where a file belongs,
// kReadOnlyFile for a file without its owner's write permission, which a save leaves alone.
inline constexpr int kNotRegularFile = -1;
inline constexpr int kReadOnlyFile = -2;
// The lock of the file's folder could not be had in time, or the wait was cancelled; `detail`
// says who held it.
inline constexpr int kLockHeld = -3;

struct FileFailure {
    int error = 0;
    std::string path;    // the file the operation was for (a resolved native path)
    std::string detail;  // more to say, where the reason has more (who holds a lock)
};

void RecordFileFailure(int error, const std::string& path, std::string detail = {});
void ClearFileFailure();
std::optional<FileFailure> LastFileFailure();

// The reason in a few words for people: "permission denied", "read-only file system", "no space
// left on the device", "no such file or folder", "is a folder", "not a regular file", or the
// system's own words for any other error.
std::string FileErrorText(int error);
// The failure's reason with its detail: "the folder's lock is held by process 12 (sheetwise)".
std::string FileFailureText(const FileFailure& failure);

}  // namespace sheetwise
