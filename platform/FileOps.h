// File operations of the catalog core, on already resolved UTF-8 paths (see NativePath.h).
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

enum class ReadResult { kOk, kOpenFailed, kReadFailed };

// A file descriptor that is closed when it goes; -1 holds none.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Opens a regular file (flags: O_RDONLY or O_RDWR) and gives its descriptor, or -1. A FIFO, a
// device or a folder gives -1 at once: the open never waits, so a FIFO put where a catalog or a
// companion belongs cannot hang the editor.
int OpenRegularFile(const std::string& path, int flags);

// Reads from the descriptor's position to the end of the file.
ReadResult ReadAll(int fd, std::string& bytes);

// Reads at most maxBytes from the start of a file.
ReadResult ReadFileHead(const std::string& path, size_t maxBytes, std::string& bytes);

// Reads a whole file. A folder or anything else that is not a regular file cannot be opened.
ReadResult ReadFileBytes(const std::string& path, std::string& bytes);

// What the platform's text mode does to a file read for input: CR LF becomes LF.
std::string ToTextMode(std::string_view bytes);

// True when something exists under the path (name case resolved).
bool FileExists(const std::string& path);

// True when a regular file is under the path (a link to one included). Otherwise the reason is
// recorded as the last file failure (FileFailure.h): no such file, a folder, something else.
bool IsRegularFile(const std::string& path);

enum class CopyResult { kCopied, kAlreadyThere, kFailed };

// Copies a regular file to a name that nothing holds yet, the way a save writes (AtomicFile): the
// copy is written to a temporary file beside the target, synced, and only then takes the name,
// without replacing anything, so a killed copy never leaves a short or empty companion. When the
// name is taken, before or while copying (another editor made the same companion), nothing is
// changed and the result is kAlreadyThere. The copy gets the source's permissions, plus the
// owner's write permission when ownerWritable (a copy of an installed, read-only companion
// must still be saveable).
CopyResult CopyFileIfMissing(const std::string& from, const std::string& to, bool ownerWritable);

// Copies a file, failing when the target exists. The copy gets the source's permissions.
bool CopyFileNoOverwrite(const std::string& from, const std::string& to);

// "Normal" attributes: the owner may write the file.
bool MakeOwnerWritable(const std::string& path);

// A file or folder without the owner's write permission counts as read-only, also for root.
bool IsReadOnly(const std::string& path);

}  // namespace sheetwise
