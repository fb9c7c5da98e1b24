// Replacing a file without ever destroying the one that is there.
//
// A catalog that a print server depends on must survive a full disk, a failing network share and
// a killed editor. The new content goes to a temporary file in the same folder, which is flushed
// and synced before it takes the target's name in one rename; until then the old file is
// untouched, and on any failure the temporary file is removed.
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

class AtomicFile {
  public:
    enum class Error { kNone, kCannotCreate, kWriteFailed };

    // target: a resolved UTF-8 path. Nothing is touched before Open().
    explicit AtomicFile(std::string target);
    ~AtomicFile();  // an uncommitted temporary file is removed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file. Fails (kCannotCreate) when the target is read-only, when its
    // folder is read-only or missing, or when the temporary file cannot be created.
    bool Open();

    // Buffers bytes; writes them out whenever the buffer is full. False once anything failed.
    bool Write(std::string_view bytes);

    // Flushes, syncs, closes and renames over the target, which keeps its permissions.
    bool Commit();

    Error error() const { return error_; }

  private:
    bool Flush();
    void Discard();

    std::string target_;
    std::string temporary_;
    std::string buffer_;
    int fd_ = -1;
    Error error_ = Error::kNone;
};

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
