#include "platform/TemporaryNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

namespace sheetwise {
namespace {

constexpr std::string_view kMark = ".tmp";
constexpr std::string_view kShortPrefix = ".sw-";

// FNV-1a: stable across builds and machines, so a later save recognises an earlier one's names.
std::string HashOf(std::string_view name) {
    uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<size_t>(i)] = kDigits[hash & 15];
    return text;
}

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// "PID-RANDOM" as TemporaryName's callers make it.
bool IsUniquePart(std::string_view text) {
    const size_t dash = text.find('-');
    return dash != std::string_view::npos && AllDigits(text.substr(0, dash)) &&
           AllDigits(text.substr(dash + 1));
}

bool HasForm(std::string_view entry, std::string_view stem) {
    return entry.size() > stem.size() + kMark.size() && entry.starts_with(stem) &&
           entry.substr(stem.size()).starts_with(kMark) &&
           IsUniquePart(entry.substr(stem.size() + kMark.size()));
}

}  // namespace

std::string TemporaryName(std::string_view name, std::string_view unique, size_t nameLimit) {
    std::string temporary = "." + std::string(name) + std::string(kMark) + std::string(unique);
    if (temporary.size() <= nameLimit)
        return temporary;
    return std::string(kShortPrefix) + HashOf(name) + std::string(kMark) + std::string(unique);
}

bool IsTemporaryOf(std::string_view entry, std::string_view name) {
    return HasForm(entry, "." + std::string(name)) ||
           HasForm(entry, std::string(kShortPrefix) + HashOf(name));
}

void RemoveStaleTemporaries(const std::string& folder, std::string_view name) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return;
    std::vector<std::string> stale;
    while (const dirent* entry = readdir(dir)) {
        if (IsTemporaryOf(entry->d_name, name))
            stale.emplace_back(entry->d_name);
    }
    for (const std::string& entry : stale)
        unlinkat(dirfd(dir), entry.c_str(), 0);
    closedir(dir);
}

size_t NameLimit(const std::string& folder) {
    const long limit = pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<size_t>(limit) : 255;
}

}  // namespace sheetwise
