#include "platform/NativePath.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/CodePage.h"

namespace sheetwise {
namespace {

constexpr char16_t kEscapedByteBase = 0xDC00;

bool IsEscapedByte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

// The length of the valid UTF-8 sequence at the start of bytes and the character it encodes;
// 0 when the first byte starts none (overlong forms and surrogates are not valid).
size_t ValidSequence(std::string_view bytes, char32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const size_t length = lead < 0x80   ? 1
                          : lead < 0xC2 ? 0
                          : lead < 0xE0 ? 2
                          : lead < 0xF0 ? 3
                          : lead < 0xF5 ? 4
                                        : 0;
    if (length == 0 || length > bytes.size())
        return 0;
    code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const char32_t minimum = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
    const bool valid = code >= minimum && code <= 0x10FFFF && !(code >= 0xD800 && code < 0xE000);
    return valid ? length : 0;
}

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
    return ResolveNameCase(NativeFromWide(path));
}

std::string NativeFromWide(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (IsEscapedByte(text[i])) {
            bytes.push_back(static_cast<char>(code - kEscapedByteBase));
            continue;
        }
        if (code >= 0xD800 && code < 0xE000) {
            const bool pair = code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                              text[i + 1] < 0xE000;
            code = pair ? 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00) : 0xFFFD;
        }
        AppendUtf8(bytes, code);
    }
    return bytes;
}

std::u16string WideFromNative(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t code = 0;
        const size_t length = ValidSequence(bytes, code);
        if (length == 0) {
            text.push_back(
                static_cast<char16_t>(kEscapedByteBase + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
            continue;
        }
        AppendUtf16(text, code);
        bytes.remove_prefix(length);
    }
    return text;
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

std::string CurrentFolder() {
    std::string folder(4096, '\0');
    while (getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE || folder.size() > (1u << 20))
            return ".";
        folder.resize(folder.size() * 2);
    }
    folder.resize(std::char_traits<char>::length(folder.c_str()));
    return folder;
}

}  // namespace sheetwise
