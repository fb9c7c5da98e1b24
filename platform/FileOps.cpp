#include "platform/FileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/NativePath.h"

namespace sheetwise {
namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

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

}  // namespace

ReadResult ReadFileBytes(const std::string& path, std::string& bytes) {
    return ReadFileHead(path, std::string::npos, bytes);
}

ReadResult ReadFileHead(const std::string& path, size_t maxBytes, std::string& bytes) {
    bytes.clear();
    Descriptor fd(open(ResolveNameCase(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return ReadResult::kOpenFailed;
    struct stat info;
    if (fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return ReadResult::kOpenFailed;
    if (info.st_size > 0)
        bytes.reserve(std::min(static_cast<size_t>(info.st_size), maxBytes));
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t got = read(fd.get(), buffer, wanted);
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

bool CopyFileNoOverwrite(const std::string& from, const std::string& to) {
    const std::string target = ResolveNameCase(to);
    Descriptor in(open(ResolveNameCase(from).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (in.get() < 0 || fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    Descriptor out(
        open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 07777));
    if (out.get() < 0)
        return false;
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = read(in.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        if (!WriteAll(out.get(), std::string_view(buffer, static_cast<size_t>(got)))) {
            ok = false;
            break;
        }
    }
    ok = close(out.release()) == 0 && ok;
    if (!ok)
        unlink(target.c_str());
    return ok;
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
