#include "formats/TextLines.h"

#include <algorithm>
#include <cstddef>

#include "platform/CodePage.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

bool IsBigEndianMark(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
           static_cast<unsigned char>(bytes[1]) == 0xFF;
}

std::u16string_view UpToNul(std::u16string_view text) {
    return text.substr(0, text.find(u'\0'));
}

}  // namespace

bool StartsWithByteOrderMark(std::string_view bytes) {
    return IsBigEndianMark(bytes) ||
           (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
            static_cast<unsigned char>(bytes[1]) == 0xFE);
}

LineReader::LineReader(std::string_view bytes, Narrow narrow, const TextConverter* converter)
    : bytes_(bytes), narrow_(narrow), converter_(converter) {
    wide_ = StartsWithByteOrderMark(bytes_);
    bigEndian_ = IsBigEndianMark(bytes_);
    // Units start at even offsets; a lone byte at the end (a file cut short) is no character.
    if (wide_ && bytes_.size() % 2 != 0) {
        droppedOddByte_ = static_cast<unsigned char>(bytes_.back());
        bytes_.remove_suffix(1);
    }
}

LineReader::Result LineReader::Next(std::u16string& line) {
    line.clear();
    if (position_ >= bytes_.size())
        return Result::kEnd;
    const Result result = wide_ ? NextWide(line) : NextNarrow(line);
    first_ = false;
    return result;
}

LineReader::Result LineReader::NextNarrow(std::u16string& line) {
    const size_t end = bytes_.find('\n', position_);
    const size_t stop = end == std::string_view::npos ? bytes_.size() : end;
    std::string_view stored = bytes_.substr(position_, stop - position_);
    if (stored.size() > kMaxLineBytes)
        return Result::kTooLong;
    position_ = end == std::string_view::npos ? bytes_.size() : end + 1;
    stored = stored.substr(0, stored.find('\0'));
    // Widened into the caller's buffer, which keeps its memory from line to line; a line of
    // ASCII reads the same in every code page, so only the others go through the converter.
    const bool ascii = WidenBytesInto(stored, line);
    if (!ascii && narrow_ == Narrow::kDecodeAnsi && converter_)
        line = converter_->AnsiToWide(stored);
    return Result::kLine;
}

// A wide line ends at the unit 000A, so a character such as U+010A stays inside its line.
LineReader::Result LineReader::NextWide(std::u16string& line) {
    size_t start = position_;
    if (first_)
        start += 2;  // the byte-order mark
    const size_t lowByte = bigEndian_ ? 1 : 0;
    size_t unitAt = start;
    for (; unitAt + 1 < bytes_.size(); unitAt += 2) {
        if (bytes_[unitAt + lowByte] == '\n' && bytes_[unitAt + 1 - lowByte] == '\0')
            break;
    }
    const bool terminated = unitAt + 1 < bytes_.size();
    const size_t end = terminated ? unitAt : bytes_.size();
    // The bytes a line holds before its line feed byte, mark included, as the limit counts them.
    const size_t stored = end - position_ + (bigEndian_ && terminated ? 1 : 0);
    if (stored > kMaxLineBytes)
        return Result::kTooLong;
    line.reserve((end - start + 1) / 2);
    for (size_t i = start; i < end; i += 2) {
        const unsigned char first = static_cast<unsigned char>(bytes_[i]);
        const unsigned char second = i + 1 < end ? static_cast<unsigned char>(bytes_[i + 1]) : 0;
        line.push_back(
            static_cast<char16_t>(bigEndian_ ? (first << 8) | second : first | (second << 8)));
    }
    line.resize(UpToNul(line).size());
    position_ = terminated ? unitAt + 2 : bytes_.size();
    return Result::kLine;
}

std::u16string TakeField(std::u16string_view text, char16_t delimiter) {
    return std::u16string(text.substr(0, text.find(delimiter)));
}

void DropTrailingCr(std::u16string& line) {
    if (!line.empty() && line.back() == u'\r')
        line.pop_back();
}

TextFileBuilder::TextFileBuilder(bool wide, const TextConverter& converter)
    : wide_(wide), converter_(converter) {
    if (wide_)
        bytes_.append("\xFF\xFE");
}

void TextFileBuilder::Text(std::u16string_view text) {
    if (!wide_) {
        // ASCII has the same bytes in every ANSI code page; only the rest needs converting.
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](char16_t u) { return u < 0x80; });
        if (ascii) {
            // Narrowed in place: append() from UTF-16 iterators would go through a temporary.
            const size_t at = bytes_.size();
            bytes_.resize(at + text.size());
            std::transform(text.begin(), text.end(),
                           bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                           [](char16_t unit) { return static_cast<char>(unit); });
        } else {
            bytes_.append(converter_.Encode(text));
        }
        return;
    }
    for (char16_t unit : text) {
        bytes_.push_back(static_cast<char>(unit & 0xFF));
        bytes_.push_back(static_cast<char>(unit >> 8));
    }
}

void TextFileBuilder::LineEnd() {
    if (wide_) {
        bytes_.append("\r\0\n\0", 4);
    } else {
        bytes_.push_back('\n');
    }
}

bool ReadLeadingField(const std::u16string& path, std::u16string& field, int& error) {
    error = 0;
    if (path.empty()) {
        error = 5;
        return false;
    }
    std::string bytes;
    // Enough for the longest first line a reader accepts, even with CR LF line ends.
    const ReadResult read = ReadFileHead(ToNativePath(path), 4 * kMaxLineBytes, bytes);
    if (read != ReadResult::kOk) {
        error = read == ReadResult::kOpenFailed ? 6 : 7;
        return false;
    }
    const std::string text = ToTextMode(bytes);
    LineReader reader(text, LineReader::Narrow::kBytes, nullptr);
    std::u16string line;
    if (reader.Next(line) != LineReader::Result::kLine) {
        error = 7;
        return false;
    }
    DropTrailingCr(line);
    field = TakeField(line, u':');
    return true;
}

}  // namespace sheetwise
