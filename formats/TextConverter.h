// Conversions between the editor's UTF-16 text and the bytes of catalog files.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace sheetwise {

class CodePage;

// The marker that Encode puts before the UTF-8 form of a text the ANSI code page cannot hold.
inline constexpr std::string_view kUtf8Marker = "utf8:";

// ASCII bytes are the ASCII characters in every ANSI code page, so readers and writers pass them
// through without asking the converter.
class TextConverter {
  public:
    virtual ~TextConverter() = default;

    virtual std::u16string AnsiToWide(std::string_view bytes) const = 0;
    virtual std::string WideToAnsi(std::u16string_view text) const = 0;
    virtual std::string WideToUtf8(std::u16string_view text) const = 0;

    // The ANSI bytes of a text when they convert back to exactly the same text; otherwise
    // "utf8:" followed by its UTF-8 form. Writers use the marker only to decide that a file
    // must be written as UTF-16.
    std::string Encode(std::u16string_view text) const;

    // True when an Encode result carries the marker.
    static bool IsMarked(std::string_view encoded) {
        return encoded.substr(0, kUtf8Marker.size()) == kUtf8Marker;
    }
};

// The converter of this machine: the ANSI code page of the user's locale (or of
// SHEETWISE_ANSI_CODEPAGE), chosen when the converter is made.
class SystemTextConverter final : public TextConverter {
  public:
    SystemTextConverter();
    explicit SystemTextConverter(int codePage);

    std::u16string AnsiToWide(std::string_view bytes) const override;
    std::string WideToAnsi(std::u16string_view text) const override;
    std::string WideToUtf8(std::u16string_view text) const override;

    int codePage() const { return codePage_; }

  private:
    int codePage_;
    std::shared_ptr<const CodePage> page_;
};

}  // namespace sheetwise
