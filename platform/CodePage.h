// Windows code pages on top of iconv.
//
// Catalog files written by print servers are in the Windows "ANSI" code page of the machine that
// wrote them, so the editor has to pick the same code page Windows would pick for the user's
// locale and convert exactly the way Windows does: decoding never fails (bytes that a single-byte
// code page leaves undefined map to U+0080..U+009F, invalid multibyte sequences give U+FFFD) and
// encoding replaces what the code page cannot hold with "?".
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace sheetwise {

// The ANSI code page for the current locale (LC_ALL, LC_CTYPE, LANG), or the number in
// SHEETWISE_ANSI_CODEPAGE when that is set. Read anew on every call so that tests can switch it.
int AnsiCodePage();

// The OEM code page, chosen the same way; SHEETWISE_OEM_CODEPAGE overrides it.
int OemCodePage();

// The code pages Windows assigns to a POSIX locale name such as "de_DE.UTF-8".
int AnsiCodePageForLocale(std::string_view locale);
int OemCodePageForLocale(std::string_view locale);

// One code page's conversions. Instances are immutable and shared; Get() caches them, so asking
// for the same code page again is cheap.
class CodePage {
  public:
    virtual ~CodePage() = default;

    // The code page for a Windows code-page number. An unknown number gives a Latin-1 code page
    // (each byte is the character with that code), so conversions always work.
    static std::shared_ptr<const CodePage> Get(int number);

    virtual int Number() const = 0;
    virtual std::u16string Decode(std::string_view bytes) const = 0;
    virtual std::string Encode(std::u16string_view text) const = 0;
};

// UTF-16 and UTF-8. A lone surrogate becomes U+FFFD in UTF-8; invalid UTF-8 becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& bytes, char32_t code);
// Appends one code point as UTF-16: a surrogate pair above U+FFFF.
void AppendUtf16(std::u16string& text, char32_t code);
std::u16string Utf8ToUtf16(std::string_view text);

// Each byte becomes the character with that code (U+0000..U+00FF).
std::u16string WidenBytes(std::string_view bytes);
// The same into `text`, whose buffer is reused; true when every byte was ASCII (below 0x80),
// which every ANSI code page decodes the same way.
bool WidenBytesInto(std::string_view bytes, std::u16string& text);

}  // namespace sheetwise
