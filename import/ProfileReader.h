// Profile files (".ini"): sections of "key = value" lines, read the way Windows'
// GetPrivateProfileStringW reads them with an empty default and a 512-unit buffer.
//
// Import files come from print servers and from whatever tool an operator used to write them, so
// they arrive in the ANSI code page, as UTF-16 with a byte-order mark, or as UTF-8 with one. An
// import asks for tens of thousands of keys; the file is therefore decoded and indexed once, and
// every lookup afterwards is a hash lookup.
//
// The rules, as Windows applies them:
//   - "[name]" starts a section; section and key names are compared ignoring the case of A to Z;
//   - the first section of a name wins (a later section of the same name is not looked at), and
//     inside it the first key of a name wins;
//   - blanks around names and values are removed; a value enclosed in a matching pair of double
//     or single quotes loses them (the blanks inside stay);
//   - ";" inside a value is data. A line whose first non-blank character is ";" is a comment,
//     even when it holds "=": Windows would keep it as a key whose name starts with ";", which no
//     reader of this program ever asks for, so dropping it changes no answer;
//   - lines without "=" and keys before the first section are ignored;
//   - a lookup gives at most 511 units of a value, and an empty text for anything missing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sheetwise {

// The longest value a lookup gives: the reader's buffer holds 512 units, one of them the
// terminator.
inline constexpr size_t kMaxProfileValueLength = 511;

// Larger files are treated as unreadable instead of being pulled into memory whole. A profile
// with a million paper definitions still fits.
inline constexpr size_t kMaxProfileFileBytes = size_t{64} << 20;

class ProfileReader {
  public:
    // An empty profile: every lookup gives an empty value.
    ProfileReader() = default;

    // Reads and indexes the file a wide path names (resolved like every other file of the
    // program, see NativePath.h). A missing, unreadable or oversized file gives an empty profile.
    // A relative path starts at the current folder: Windows would look for a bare file name in
    // its own folder, which has no counterpart here, and the file dialogs give full paths anyway.
    static ProfileReader FromFile(std::u16string_view path);
    // Indexes the bytes of a profile file; the encoding is recognised from its first bytes.
    static ProfileReader FromBytes(std::string_view bytes);
    // Indexes text that is already decoded.
    static ProfileReader FromText(std::u16string_view text);

    // The value of a key in a section; empty when either is missing or the value is empty.
    std::u16string GetString(std::u16string_view section, std::u16string_view key) const;

    // Number of distinct sections (for diagnostics and tests).
    size_t SectionCount() const { return sections_.size(); }

  private:
    using Keys = std::unordered_map<std::u16string, std::u16string>;

    void AddLine(std::u16string_view line, Keys*& current);

    // Folded section name -> folded key name -> value as a lookup gives it.
    std::unordered_map<std::u16string, Keys> sections_;
};

// The text of a profile file: UTF-16 after FF FE (little-endian) or FE FF (big-endian), UTF-8
// after EF BB BF, otherwise the ANSI code page. The byte-order mark is not part of the text.
std::u16string DecodeProfileBytes(std::string_view bytes);

// A name as profile lookups compare it: A to Z lowered, everything else kept.
std::u16string FoldProfileName(std::u16string_view name);

}  // namespace sheetwise
