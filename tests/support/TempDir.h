// A folder of its own for each test, removed with everything in it afterwards.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "platform/CodePage.h"

namespace sheetwise::testing {

class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sheetwise-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        // Read-only folders made by a test must become writable again to be removed.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
            if (entry.is_directory())
                chmod(entry.path().c_str(), 0755);
        }
        chmod(path_.c_str(), 0755);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::u16string Wide(const std::string& name) const { return Utf8ToUtf16(File(name)); }

  private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Bytes of a UTF-16LE file with its mark, from UTF-8 text; "\n" becomes CR LF.
inline std::string WideFile(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        if (unit == u'\n') {
            bytes.append("\r\0\n\0", 4);
            continue;
        }
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// The names in a folder in byte order, each followed by a blank.
inline std::string ListFolder(const std::string& folder) {
    std::set<std::string> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        sorted.insert(entry.path().filename().string());
    }
    std::string names;
    for (const std::string& name : sorted)
        names += name + " ";
    return names;
}

// Tests pin the ANSI code page so results do not depend on the machine's locale.
class CodePageScope {
  public:
    explicit CodePageScope(const char* number) { setenv("SHEETWISE_ANSI_CODEPAGE", number, 1); }
    ~CodePageScope() { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }
};

// A file's permission bits; 0 when it does not exist.
inline mode_t ModeOf(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

}  // namespace sheetwise::testing
