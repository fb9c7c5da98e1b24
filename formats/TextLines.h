// The line mechanics shared by the catalog file, the attribute file and the size-definition file.
//
// A file is either narrow (bytes of the ANSI code page, lines ended by LF) or wide (UTF-16 after a
// byte-order mark, lines ended by CR LF). Readers recognise the mode from the first two bytes;
// writers choose it from the values they are about to write.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "formats/TextConverter.h"

namespace sheetwise {

// Longest line a reader accepts, in bytes before the line feed. Print servers stop at the same
// length, so a longer line is an error rather than something to read past.
inline constexpr size_t kMaxLineBytes = 2047;

class LineReader {
  public:
    // How the lines of a narrow file become text: through the ANSI code page, or byte by byte
    // (each byte the character with that code).
    enum class Narrow { kDecodeAnsi, kBytes };
    enum class Result { kLine, kEnd, kTooLong };

    // bytes must outlive the reader. converter is only used for Narrow::kDecodeAnsi.
    LineReader(std::string_view bytes, Narrow narrow, const TextConverter* converter);

    // The next line without its line feed. A wide line keeps its CR; every line stops at its
    // first NUL. A last line without a line feed is a line like any other.
    Result Next(std::u16string& line);

    bool wide() const { return wide_; }
    // A UTF-16 file of an odd length ends in a byte that is no character, which is dropped: the
    // byte, or -1 when there was none.
    int droppedOddByte() const { return droppedOddByte_; }

  private:
    Result NextNarrow(std::u16string& line);
    Result NextWide(std::u16string& line);

    std::string_view bytes_;
    size_t position_ = 0;
    Narrow narrow_;
    const TextConverter* converter_;
    bool wide_ = false;
    bool bigEndian_ = false;
    bool first_ = true;
    int droppedOddByte_ = -1;
};

// The text before the first delimiter; the whole text when there is none; empty when the text
// is empty or starts with the delimiter.
std::u16string TakeField(std::u16string_view text, char16_t delimiter);

// Removes one CR at the end of a line, as left by a hand-edited CR LF file.
void DropTrailingCr(std::u16string& line);

// Cuts a line into fields at each delimiter. Cursor-style: Next() gives the following field and
// whether there was one at all (text left after the previous delimiter).
class FieldCutter {
  public:
    FieldCutter(std::u16string_view line, char16_t delimiter)
        : rest_(line), delimiter_(delimiter) {}
    bool Next(std::u16string_view& field) {
        if (done_) {
            field = {};
            return false;
        }
        const size_t at = rest_.find(delimiter_);
        field = rest_.substr(0, at);
        if (at == std::u16string_view::npos) {
            rest_ = {};
            done_ = true;
        } else {
            rest_.remove_prefix(at + 1);
        }
        return true;
    }
    // Everything after the fields taken so far, delimiters included.
    std::u16string_view Rest() const { return rest_; }

  private:
    std::u16string_view rest_;
    char16_t delimiter_;
    bool done_ = false;
};

// Builds the bytes of a narrow or wide text file in memory.
class TextFileBuilder {
  public:
    TextFileBuilder(bool wide, const TextConverter& converter);
    void Text(std::u16string_view text);
    void LineEnd();
    const std::string& bytes() const { return bytes_; }
    std::string TakeBytes() { return std::move(bytes_); }

  private:
    bool wide_;
    const TextConverter& converter_;
    std::string bytes_;
};

// True when the bytes begin with FF FE or FE FF, which every reader takes for a UTF-16 mark.
bool StartsWithByteOrderMark(std::string_view bytes);

// The bytes of a text file that content(TextFileBuilder&) fills: narrow, unless wide is asked
// for or the narrow bytes would begin like a UTF-16 mark (a header text starting with the
// characters U+00FF U+00FE fits code page 1252, and would be read back as UTF-16).
template <class Content>
std::string BuildTextFile(bool wide, const TextConverter& converter, Content&& content) {
    if (!wide) {
        TextFileBuilder narrow(false, converter);
        content(narrow);
        if (!StartsWithByteOrderMark(narrow.bytes()))
            return narrow.TakeBytes();
    }
    TextFileBuilder file(true, converter);
    content(file);
    return file.TakeBytes();
}

// Reads the first field of the first line of a file (the catalog's header text) without
// reading the rest. error: 0, or 5 (empty path), 6 (cannot open), 7 (no first line).
bool ReadLeadingField(const std::u16string& path, std::u16string& field, int& error);

}  // namespace sheetwise
