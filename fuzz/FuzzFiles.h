// Fuzz inputs become files in a folder of their own in memory-backed storage, because the readers
// under test open files by name exactly as they do for the editor.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/CodePage.h"

namespace sheetwise::fuzzing {

inline const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/sheetwise-fuzz-XXXXXX"
                                                            : "/tmp/sheetwise-fuzz-XXXXXX";
        setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
        return std::string(mkdtemp(pattern.data()));
    }();
    return folder;
}

inline std::string Path(const std::string& name) { return Folder() + "/" + name; }
inline std::u16string WidePath(const std::string& name) { return Utf8ToUtf16(Path(name)); }

inline void Write(const std::string& name, const uint8_t* data, size_t size) {
    std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline void Write(const std::string& name, const std::string& bytes) {
    Write(name, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace sheetwise::fuzzing
