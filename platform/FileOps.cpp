#include "platform/FileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/AtomicFile.h"
#include "platform/FileFailure.h"
#include "platform/MemoryHints.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

ReadResult ReadUpTo(int fd, size_t maxBytes, std::string& bytes) {
    struct stat info;
    if (fstat(fd, &info) == 0 && info.st_size > 0) {
        bytes.reserve(std::min(static_cast<size_t>(info.st_size), maxBytes));
        PrefaultForWriting(bytes.data(), bytes.capacity());
    }
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t got = read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return ReadResult::kReadFailed;
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return ReadResult::kOk;
}

}  // namespace

Descriptor::~Descriptor() {
    if (fd_ >= 0)
        close(fd_);
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        RecordFileFailure(errno, path);
        return false;
    }
    if (!S_ISREG(info.st_mode))
        RecordFileFailure(S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFile, path);
    return S_ISREG(info.st_mode);
}

int OpenRegularFile(const std::string& path, int flags) {
    // O_NONBLOCK lets a FIFO without a writer open at once, so that fstat can turn it away;
    // for the regular file it is cleared again before any read or write.
    const int fd = open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        RecordFileFailure(errno, path);
        return -1;
    }
    struct stat info {};
    const int status = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || status < 0 ||
        fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        RecordFileFailure(S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFile, path);
        close(fd);
        return -1;
    }
    return fd;
}

ReadResult ReadAll(int fd, std::string& bytes) {
    bytes.clear();
    return ReadUpTo(fd, std::string::npos, bytes);
}

ReadResult ReadFileBytes(const std::string& path, std::string& bytes) {
    return ReadFileHead(path, std::string::npos, bytes);
}

ReadResult ReadFileHead(const std::string& path, size_t maxBytes, std::string& bytes) {
    bytes.clear();
    Descriptor fd(OpenRegularFile(ResolveNameCase(path), O_RDONLY));
    if (fd.get() < 0)
        return ReadResult::kOpenFailed;
    return ReadUpTo(fd.get(), maxBytes, bytes);
}

std::string ToTextMode(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text.push_back(bytes[i]);
    }
    return text;
}

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(ResolveNameCase(path).c_str(), &info) == 0;
}

CopyResult CopyFileIfMissing(const std::string& from, const std::string& to, bool ownerWritable) {
    if (FileExists(to))
        return CopyResult::kAlreadyThere;
    AtomicFile out(ResolveNameCase(to), AtomicFile::Mode::kCreateOnly);
    Descriptor in(OpenRegularFile(ResolveNameCase(from), O_RDONLY));
    struct stat info;
    std::string bytes;
    if (in.get() < 0 || fstat(in.get(), &info) != 0 || ReadAll(in.get(), bytes) != ReadResult::kOk)
        return CopyResult::kFailed;
    out.SetNewFilePermissions((info.st_mode & 07777) | (ownerWritable ? S_IWUSR : 0));
    if (out.Open() && out.Write(bytes) && out.Commit())
        return CopyResult::kCopied;
    return out.error() == AtomicFile::Error::kTargetExists ? CopyResult::kAlreadyThere
                                                           : CopyResult::kFailed;
}

bool CopyFileNoOverwrite(const std::string& from, const std::string& to) {
    return CopyFileIfMissing(from, to, false) == CopyResult::kCopied;
}

bool MakeOwnerWritable(const std::string& path) {
    const std::string resolved = ResolveNameCase(path);
    struct stat info;
    if (stat(resolved.c_str(), &info) != 0)
        return false;
    return chmod(resolved.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
}

bool IsReadOnly(const std::string& path) {
    struct stat info;
    return stat(ResolveNameCase(path).c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

}  // namespace sheetwise
