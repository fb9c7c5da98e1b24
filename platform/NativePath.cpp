#include "platform/NativePath.h"

#include <dirent.h>
#include <sys/stat.h>

#include "platform/CodePage.h"

namespace sheetwise {
namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace

std::string ResolveNameCase(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..")
        return path;

    struct stat info;
    if (lstat(path.c_str(), &info) == 0)
        return path;

    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return path;
    std::string best;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view candidate = entry->d_name;
        if (EqualIgnoringAsciiCase(candidate, name) && (best.empty() || candidate < best)) {
            best = candidate;
        }
    }
    closedir(dir);
    return best.empty() ? path : folder + best;
}

std::string ToNativePath(std::u16string_view path) {
    std::u16string unified(path);
    for (char16_t& unit : unified) {
        if (unit == u'\\')
            unit = u'/';
    }
    return ResolveNameCase(Utf16ToUtf8(unified));
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace sheetwise
