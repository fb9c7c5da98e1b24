#include "import/ProfileReader.h"

#include <filesystem>
#include <system_error>

#include "platform/CodePage.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

// The blanks Windows strips around names and values.
bool IsBlank(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\v' || unit == u'\f' || unit == u'\r';
}

std::u16string_view TrimBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string_view RemoveQuotes(std::u16string_view value) {
    if (value.size() < 2)
        return value;
    const char16_t first = value.front();
    if ((first == u'"' || first == u'\'') && value.back() == first) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The value as a lookup hands it out: no quotes, nothing after a NUL (the caller's buffer would
// end there), at most the buffer's length.
std::u16string LookupValue(std::u16string_view raw) {
    std::u16string_view value = RemoveQuotes(TrimBlanks(raw));
    value = value.substr(0, value.find(u'\0'));
    return std::u16string(value.substr(0, kMaxProfileValueLength));
}

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(bigEndian ? static_cast<char16_t>(first << 8 | second)
                                 : static_cast<char16_t>(second << 8 | first));
    }
    return text;
}

bool StartsWithBytes(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

// Splits at LF, CR LF or a lone CR.
template <typename Visit>
void ForEachLine(std::u16string_view text, Visit visit) {
    while (!text.empty()) {
        const size_t end = text.find_first_of(u"\r\n");
        visit(text.substr(0, end));
        if (end == std::u16string_view::npos)
            return;
        const size_t next = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n'
                                ? end + 2
                                : end + 1;
        text.remove_prefix(next);
    }
}

bool FileTooLarge(const std::string& nativePath) {
    std::error_code error;
    const auto size = std::filesystem::file_size(nativePath, error);
    return !error && size > kMaxProfileFileBytes;
}

}  // namespace

std::u16string FoldProfileName(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& unit : folded) {
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
    }
    return folded;
}

std::u16string DecodeProfileBytes(std::string_view bytes) {
    if (StartsWithBytes(bytes, "\xFF\xFE"))
        return DecodeUtf16(bytes.substr(2), false);
    if (StartsWithBytes(bytes, "\xFE\xFF"))
        return DecodeUtf16(bytes.substr(2), true);
    if (StartsWithBytes(bytes, "\xEF\xBB\xBF"))
        return Utf8ToUtf16(bytes.substr(3));
    return CodePage::Get(AnsiCodePage())->Decode(bytes);
}

ProfileReader ProfileReader::FromFile(std::u16string_view path) {
    const std::string nativePath = ToNativePath(path);
    if (nativePath.empty() || FileTooLarge(nativePath))
        return ProfileReader();
    std::string bytes;
    if (ReadFileBytes(nativePath, bytes) != ReadResult::kOk ||
        bytes.size() > kMaxProfileFileBytes) {
        return ProfileReader();
    }
    return FromBytes(bytes);
}

ProfileReader ProfileReader::FromBytes(std::string_view bytes) {
    return FromText(DecodeProfileBytes(bytes));
}

ProfileReader ProfileReader::FromText(std::u16string_view text) {
    ProfileReader profile;
    Keys* current = nullptr;
    ForEachLine(text, [&](std::u16string_view line) { profile.AddLine(line, current); });
    return profile;
}

void ProfileReader::AddLine(std::u16string_view line, Keys*& current) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() == u';')
        return;
    if (line.front() == u'[') {
        // A header without "]" still names a section: its keys must not fall into the previous
        // one. A repeated section is skipped whole, since the first one answers every lookup.
        const std::u16string_view name = TrimBlanks(line.substr(1, line.find(u']') - 1));
        const auto [entry, inserted] = sections_.try_emplace(FoldProfileName(name));
        current = inserted ? &entry->second : nullptr;
        return;
    }
    const size_t equals = line.find(u'=');
    if (current == nullptr || equals == std::u16string_view::npos)
        return;
    const std::u16string_view key = TrimBlanks(line.substr(0, equals));
    if (key.empty())
        return;
    current->try_emplace(FoldProfileName(key), LookupValue(line.substr(equals + 1)));
}

std::u16string ProfileReader::GetString(std::u16string_view section,
                                        std::u16string_view key) const {
    const auto foundSection = sections_.find(FoldProfileName(TrimBlanks(section)));
    if (foundSection == sections_.end())
        return {};
    const auto foundKey = foundSection->second.find(FoldProfileName(TrimBlanks(key)));
    return foundKey == foundSection->second.end() ? std::u16string() : foundKey->second;
}

}  // namespace sheetwise
