// A test seam of the file layer: make a chosen step of a save fail, or end the process there as a
// kill would. Steps are counted from the call that plans the fault. Only tests use it.
#pragma once

namespace sheetwise::file_faults {

enum class Step {
    kWrite,        // a write of a temporary file, or of a file written in place
    kFlush,        // handing the buffered bytes of a temporary file to the system
    kSync,         // syncing a file
    kClose,        // closing a temporary file
    kRename,       // every rename: a file taking its name, a rollback, a recovery
    kIntent,       // writing and syncing a set's intent record
    kBackup,       // keeping the old file of a set, so that the set can be rolled back
    kPermissions,  // giving a temporary file the target's owner and mode
};

// The n-th time the step comes, it fails.
void FailAt(Step step, int n);
// The n-th time and every time after, as a disk that keeps failing.
void FailFrom(Step step, int n);
// The process ends (_exit(kCrashExitCode)) right before the n-th time the step would be done.
void CrashAt(Step step, int n);
inline constexpr int kCrashExitCode = 86;
void Clear();

// Used by the file layer: true when this step is to fail. Ends the process for a planned crash.
bool ShouldFail(Step step);

}  // namespace sheetwise::file_faults
