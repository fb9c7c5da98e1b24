// The interface through which the program reads its user-visible texts.
//
// Every caption, label, menu text and message is looked up by a 16-bit id under a prefix: "LAB#"
// for captions, labels and menu texts, "MSG#" for messages. The lookup itself and the code-page
// conversions belong to a concrete source; this base keeps the initialisation state and the
// copies into a caller's buffer, which are the same for every source. The virtual operations are
// declared in the order the interface has always had: destructor, Init, GetTextWithFallback,
// GetText, GetString, ToWide, ToNarrow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sheetwise {

// Flags of the buffer copies: characters removed from the copied text, in place.
inline constexpr unsigned kRemoveAmpersands = 2;  // "&", the menu and button mnemonics
inline constexpr unsigned kRemoveColons = 4;      // ":", the end of a field label
inline constexpr unsigned kRemovePeriods = 8;     // ".", the ellipsis of a menu text

// The two prefixes in use.
inline constexpr std::u16string_view kLabelPrefix = u"LAB#";
inline constexpr std::u16string_view kMessagePrefix = u"MSG#";

class StringSource {
  public:
    // The state word before Init.
    static constexpr std::int32_t kNotInitialised = -1;

    StringSource() = default;
    StringSource(const StringSource&) = delete;
    StringSource& operator=(const StringSource&) = delete;
    virtual ~StringSource();

    // Makes the source ready (state 0) and returns true. The language is accepted for the sake
    // of callers that name one ("English"); there is only one language.
    virtual bool Init(std::u16string_view language);

    // GetString, then the copy into `buffer` described at GetText. When the source was never
    // initialised or the lookup fails, writes the id in decimal instead (read as a signed 16-bit
    // number; a negative one gives just the terminator), leaves inOutSize alone and returns false.
    virtual bool GetTextWithFallback(std::u16string_view prefix, std::uint16_t id,
                                     std::span<char16_t> buffer, std::size_t& inOutSize,
                                     unsigned flags);

    // GetString, then copies at most min(length + 1, inOutSize) units into `buffer`: a text that
    // does not fit is cut so that the terminator still does. The flags remove characters from the
    // copy; inOutSize becomes the resulting length including the terminator (1 for an empty text,
    // 0 when the buffer has no room at all). On a failed lookup nothing is written and the result
    // is false. The third argument exists for older callers and is ignored.
    virtual bool GetText(std::u16string_view prefix, std::uint16_t id, int unused,
                         std::span<char16_t> buffer, std::size_t& inOutSize, unsigned flags);

    // The lookup. On success `text` is replaced; on failure it is left as it was.
    virtual bool GetString(std::u16string_view prefix, std::uint16_t id,
                           std::u16string& text) const = 0;

    // Converts a text in the system's ANSI code page to UTF-16 and copies it, terminated, into
    // `wideOut`. Returns false when the text had to be cut (or there is no room at all).
    virtual bool ToWide(std::string_view narrowText, std::span<char16_t> wideOut) const = 0;

    // The reverse: UTF-16 to the ANSI code page, terminated, into `narrowOut`. Characters the
    // code page cannot hold become "?". Returns false when the text had to be cut.
    virtual bool ToNarrow(std::u16string_view wideText, std::span<char> narrowOut) const = 0;

    // -1 until Init, 0 after.
    std::int32_t State() const { return state_; }

  private:
    bool CopyOut(std::u16string_view prefix, std::uint16_t id, std::span<char16_t> buffer,
                 std::size_t& inOutSize, unsigned flags) const;

    std::int32_t state_ = kNotInitialised;
};

}  // namespace sheetwise
