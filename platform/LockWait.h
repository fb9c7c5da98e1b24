// How long a save or a read waits for the lock of a catalog's folder, and what it says meanwhile.
//
// The lock is held for the few milliseconds a save takes. A holder that keeps it much longer is
// stuck, or another user holding it on purpose: whoever waits must be able to give up. So every
// wait is bounded by a time-out, and a "still waiting" callback (the window's progress dialog)
// can cancel it. One policy for the whole process, so that every caller of the file layer (the
// document, the set writer, the readers) waits the same way without taking parameters for it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>

namespace sheetwise {

// The process that holds a lock, when the system tells (/proc/locks).
struct LockHolder {
    bool known = false;
    pid_t pid = 0;
    uid_t uid = 0;
    std::string user;     // the user's name, or the number when it has none
    std::string command;  // the program's name, when known

    // "process 1234 (sheetwise-cli) of user bob", or "an unknown process".
    std::string Describe() const;
};

struct LockWaitStatus {
    std::string lockFile;  // the lock file waited for
    std::chrono::milliseconds waited{0};
    std::chrono::milliseconds timeout{0};
    LockHolder holder;
};

struct LockWaitPolicy {
    // How long to wait before giving up.
    std::chrono::milliseconds timeout = std::chrono::seconds(10);
    // Called about every quarter second while waiting; false cancels the wait.
    std::function<bool(const LockWaitStatus&)> stillWaiting;
    // Called once when a wait ends without the lock (timed out or cancelled).
    std::function<void(const LockWaitStatus&, bool cancelled)> gaveUp;
};

// The policy every lock of this process waits by from now on.
void SetLockWaitPolicy(LockWaitPolicy policy);
LockWaitPolicy CurrentLockWaitPolicy();

// Sets a policy for its lifetime and restores the previous one afterwards.
class ScopedLockWaitPolicy {
  public:
    explicit ScopedLockWaitPolicy(LockWaitPolicy policy);
    ~ScopedLockWaitPolicy();
    ScopedLockWaitPolicy(const ScopedLockWaitPolicy&) = delete;
    ScopedLockWaitPolicy& operator=(const ScopedLockWaitPolicy&) = delete;

  private:
    LockWaitPolicy previous_;
};

// Who holds a flock on the file with this device and inode, when the system tells.
LockHolder FindLockHolder(dev_t device, ino_t inode);

}  // namespace sheetwise
