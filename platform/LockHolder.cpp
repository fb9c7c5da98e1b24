// Who holds a lock, as /proc/locks tells: for each flock the process that took it, and the
// device and inode of the file. A process in another PID namespace shows as 0 or not at all;
// then the holder stays unknown.
#include <pwd.h>
#include <sys/sysmacros.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "platform/LockWait.h"

namespace sheetwise {
namespace {

// "08:01:1234567": major and minor in hex, the inode in decimal.
bool SameFile(const std::string& field, dev_t device, ino_t inode) {
    unsigned major = 0, minor = 0;
    unsigned long long number = 0;
    char colon1 = 0, colon2 = 0;
    std::istringstream in(field);
    in >> std::hex >> major >> colon1 >> minor >> colon2 >> std::dec >> number;
    return in && colon1 == ':' && colon2 == ':' && major == major(device) &&
           minor == minor(device) && number == inode;
}

// The pid of the first process holding a flock on the file; 0 when none is listed.
pid_t HolderPid(dev_t device, ino_t inode) {
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream in(line);
        std::vector<std::string> fields;
        for (std::string field; in >> field;)
            fields.push_back(field);
        // "1: FLOCK ADVISORY WRITE 1234 08:01:5678 0 EOF"; a waiter's line has "->" after "1:".
        if (fields.size() < 6 || fields[1] != "FLOCK" || !SameFile(fields[5], device, inode))
            continue;
        const long pid = std::strtol(fields[4].c_str(), nullptr, 10);
        if (pid > 0)
            return static_cast<pid_t>(pid);
    }
    return 0;
}

std::string UserName(uid_t uid) {
    struct passwd entry;
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return found->pw_name;
    return std::to_string(uid);
}

}  // namespace

LockHolder FindLockHolder(dev_t device, ino_t inode) {
    LockHolder holder;
    holder.pid = HolderPid(device, inode);
    if (holder.pid <= 0)
        return holder;
    const std::string process = "/proc/" + std::to_string(holder.pid);
    std::ifstream status(process + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Uid:", 0) != 0)
            continue;
        holder.uid = static_cast<uid_t>(std::strtoul(line.c_str() + 4, nullptr, 10));
        holder.known = true;
    }
    if (!holder.known)
        return holder;
    holder.user = UserName(holder.uid);
    std::ifstream comm(process + "/comm");
    std::getline(comm, holder.command);
    return holder;
}

std::string LockHolder::Describe() const {
    if (!known)
        return pid > 0 ? "process " + std::to_string(pid) : "an unknown process";
    std::string text = "process " + std::to_string(pid);
    if (!command.empty())
        text += " (" + command + ")";
    return text + " of user " + user;
}

}  // namespace sheetwise
