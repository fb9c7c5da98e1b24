#include "platform/SetJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "platform/FileFaults.h"
#include "platform/FileNotices.h"

namespace sheetwise {
namespace {

using file_faults::ShouldFail;
using file_faults::Step;

constexpr std::string_view kHeader = "sheetwise intent 1\n";
// A record names two or three files; anything near this size is not one of ours.
constexpr size_t kMaxRecordBytes = 64 * 1024;

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text.empty() ? "-" : text;
}

bool FromHex(const std::string& text, std::string& bytes) {
    bytes.clear();
    if (text == "-")
        return true;
    if (text.size() % 2 != 0)
        return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        if (std::sscanf(text.c_str() + i, "%2x", &value) != 1)
            return false;
        bytes += static_cast<char>(value);
    }
    return true;
}

uint64_t Checksum(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string KeyText(const FileKey& key) {
    return std::to_string(key.device) + ":" + std::to_string(key.inode);
}

bool ParseKey(const std::string& text, FileKey& key) {
    unsigned long long device = 0, inode = 0;
    char colon = 0;
    std::istringstream in(text);
    in >> device >> colon >> inode;
    key = {static_cast<dev_t>(device), static_cast<ino_t>(inode)};
    return in && colon == ':' && in.peek() == EOF;
}

std::string RecordText(const std::vector<JournalEntry>& entries) {
    std::string text(kHeader);
    for (const JournalEntry& entry : entries) {
        text += Hex(entry.target) + " " + Hex(entry.temporary) + " " + Hex(entry.backup) + " " +
                KeyText(entry.staged) + " " + KeyText(entry.old) + " " + KeyText(entry.kept) + "\n";
    }
    char checksum[32];
    std::snprintf(checksum, sizeof checksum, "end %016llx\n",
                  static_cast<unsigned long long>(Checksum(text)));
    return text + checksum;
}

bool PlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

bool ParseEntry(const std::string& line, JournalEntry& entry) {
    std::istringstream in(line);
    std::string target, temporary, backup, staged, old, kept;
    if (!(in >> target >> temporary >> backup >> staged >> old >> kept))
        return false;
    return FromHex(target, entry.target) && FromHex(temporary, entry.temporary) &&
           FromHex(backup, entry.backup) && ParseKey(staged, entry.staged) &&
           ParseKey(old, entry.old) && ParseKey(kept, entry.kept) && PlainName(entry.target) &&
           PlainName(entry.temporary) && (entry.backup.empty() || PlainName(entry.backup));
}

// False for a record cut short or damaged: it was being written, so no rename had begun.
bool ParseRecord(const std::string& text, std::vector<JournalEntry>& entries) {
    const size_t end = text.rfind("end ");
    if (!text.starts_with(kHeader) || end == std::string::npos || text.back() != '\n')
        return false;
    char checksum[32];
    std::snprintf(checksum, sizeof checksum, "end %016llx\n",
                  static_cast<unsigned long long>(Checksum(text.substr(0, end))));
    if (text.substr(end) != checksum)
        return false;
    std::istringstream lines(text.substr(kHeader.size(), end - kHeader.size()));
    for (std::string line; std::getline(lines, line);) {
        JournalEntry entry;
        if (!ParseEntry(line, entry))
            return false;
        entries.push_back(std::move(entry));
    }
    return !entries.empty();
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The identity of a name in the folder, when it is a regular file of this user's.
bool OwnFile(int folderFd, const std::string& name, FileKey& key) {
    struct stat info;
    if (fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode) || info.st_uid != geteuid())
        return false;
    key = {info.st_dev, info.st_ino};
    return true;
}

// The identity of whatever the name holds; false when it holds nothing.
bool AnyFile(int folderFd, const std::string& name, FileKey& key) {
    struct stat info;
    if (fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    key = {info.st_dev, info.st_ino};
    return true;
}

// By path, like every rename of a save; a rename never follows a link at either name.
bool RenameIn(const std::string& folder, const std::string& from, const std::string& to) {
    if (ShouldFail(Step::kRename))
        return false;
    return std::rename((folder + "/" + from).c_str(), (folder + "/" + to).c_str()) == 0;
}

void SyncFolder(int folderFd) {
    fsync(folderFd);
}

enum class EntryState { kDone, kPending, kLost };

// A file stood at the target's name before the set (no file has device and inode 0).
bool HadOld(const JournalEntry& entry) {
    return !(entry.old == FileKey{});
}

EntryState StateOf(int folderFd, const JournalEntry& entry) {
    FileKey target;
    const bool hasTarget = AnyFile(folderFd, entry.target, target);
    if (hasTarget && target == entry.staged)
        return EntryState::kDone;
    FileKey staged;
    const bool targetIsOld = HadOld(entry) ? hasTarget && target == entry.old : !hasTarget;
    if (targetIsOld && OwnFile(folderFd, entry.temporary, staged) && staged == entry.staged)
        return EntryState::kPending;
    return EntryState::kLost;
}

bool Complete(int folderFd, const std::string& folder, const std::vector<JournalEntry>& entries) {
    for (const JournalEntry& entry : entries) {
        if (StateOf(folderFd, entry) == EntryState::kPending &&
            !RenameIn(folder, entry.temporary, entry.target))
            return false;
    }
    return true;
}

// Every file that took its new name gets its old one back (or goes, where there was none).
bool RollBack(int folderFd, const std::string& folder, const std::vector<JournalEntry>& entries) {
    bool whole = true;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (StateOf(folderFd, *entry) != EntryState::kDone)
            continue;
        FileKey backup;
        if (!HadOld(*entry)) {
            whole = unlinkat(folderFd, entry->target.c_str(), 0) == 0 && whole;
        } else if (!entry->backup.empty() && AnyFile(folderFd, entry->backup, backup)) {
            whole =
                backup == entry->kept && RenameIn(folder, entry->backup, entry->target) && whole;
        } else {
            whole = false;
        }
    }
    return whole;
}

void RemoveLeftovers(int folderFd, const std::vector<JournalEntry>& entries) {
    for (const JournalEntry& entry : entries) {
        FileKey key;
        if (OwnFile(folderFd, entry.temporary, key) && key == entry.staged)
            unlinkat(folderFd, entry.temporary.c_str(), 0);
        if (!entry.backup.empty() && AnyFile(folderFd, entry.backup, key) && key == entry.kept)
            unlinkat(folderFd, entry.backup.c_str(), 0);
    }
}

}  // namespace

std::string IntentRecordName() {
    return ".sheetwise.intent." + std::to_string(geteuid());
}

bool WriteIntentRecord(int folderFd, const std::vector<JournalEntry>& entries) {
    const std::string name = IntentRecordName();
    const int fd = openat(folderFd, name.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return false;
    const bool written =
        !ShouldFail(Step::kIntent) && WriteAll(fd, RecordText(entries)) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || fsync(folderFd) != 0) {
        unlinkat(folderFd, name.c_str(), 0);
        return false;
    }
    return true;
}

void RemoveIntentRecord(int folderFd) {
    unlinkat(folderFd, IntentRecordName().c_str(), 0);
    SyncFolder(folderFd);
}

SetOutcome SettleSet(int folderFd, const std::string& folder,
                     const std::vector<JournalEntry>& entries, bool completeFirst) {
    bool completable = completeFirst;
    for (const JournalEntry& entry : entries)
        completable = completable && StateOf(folderFd, entry) != EntryState::kLost;
    SetOutcome outcome = SetOutcome::kStuck;
    if (completable && Complete(folderFd, folder, entries))
        outcome = SetOutcome::kCompleted;
    else if (RollBack(folderFd, folder, entries))
        outcome = SetOutcome::kRolledBack;
    SyncFolder(folderFd);
    if (outcome != SetOutcome::kStuck)
        RemoveLeftovers(folderFd, entries);
    return outcome;
}

bool HasInterruptedSet(int folderFd) {
    struct stat info;
    return fstatat(folderFd, IntentRecordName().c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           info.st_uid == geteuid();
}

void RecoverInterruptedSet(int folderFd, const std::string& folder) {
    const std::string name = IntentRecordName();
    const int fd = openat(folderFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info;
    std::string text(kMaxRecordBytes, '\0');
    ssize_t length = -1;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid())
        length = read(fd, text.data(), text.size());
    close(fd);
    if (length < 0)
        return;  // not ours to act on
    text.resize(static_cast<size_t>(length));
    std::vector<JournalEntry> entries;
    if (!ParseRecord(text, entries)) {
        unlinkat(folderFd, name.c_str(), 0);
        return;
    }
    const SetOutcome outcome = SettleSet(folderFd, folder, entries, true);
    if (outcome != SetOutcome::kStuck)
        RemoveIntentRecord(folderFd);
    NotifyFile(outcome == SetOutcome::kCompleted    ? FileNotice::kSetCompleted
               : outcome == SetOutcome::kRolledBack ? FileNotice::kSetRolledBack
                                                    : FileNotice::kSetStuck,
               folder);
}

}  // namespace sheetwise
