#include "platform/SymbolicLinks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/NativePath.h"

namespace sheetwise {
namespace {

// The kernel gives up after 40 links as well.
constexpr int kMaxLinks = 40;

bool ReadLink(const std::string& link, std::string& target) {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t length = readlink(link.c_str(), buffer.data(), buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size())
        return false;
    buffer.resize(static_cast<size_t>(length));
    target = buffer.front() == '/' ? buffer : FolderOf(link) + "/" + buffer;
    return true;
}

}  // namespace

WriteTarget ResolveWriteTarget(const std::string& path) {
    const uid_t writer = geteuid();
    std::string current = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat info;
        if (lstat(current.c_str(), &info) != 0)
            return links == 0 ? WriteTarget{LinkCheck::kNoLink, path}
                              : WriteTarget{LinkCheck::kDangling, path};
        if (info.st_uid != writer)
            return links == 0 && !S_ISLNK(info.st_mode) ? WriteTarget{LinkCheck::kNoLink, path}
                                                        : WriteTarget{LinkCheck::kForeign, current};
        if (!S_ISLNK(info.st_mode))
            return {links == 0 ? LinkCheck::kNoLink : LinkCheck::kFollowed, current};
        if (!ReadLink(current, current))
            return {LinkCheck::kDangling, path};
    }
    return {LinkCheck::kLoop, path};
}

std::string RealFileOf(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string real = resolved;
    std::free(resolved);
    return real;
}

std::string CompanionBesideRealFile(const std::string& catalog, std::string_view suffix) {
    return ResolveNameCase(RealFileOf(catalog) + std::string(suffix));
}

}  // namespace sheetwise
