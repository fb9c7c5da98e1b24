#include "formats/AttributeFile.h"

#include "formats/FileNotes.h"
#include "formats/ReadListener.h"
#include "formats/TextLines.h"
#include "platform/AtomicFile.h"
#include "platform/NativePath.h"
#include "platform/SymbolicLinks.h"

namespace sheetwise {
namespace {

constexpr std::u16string_view kWeightsHeader = u"[PaperWeights]";
constexpr std::u16string_view kTypesHeader = u"[PaperTypes]";
constexpr std::u16string_view kColoursHeader = u"[PaperColors]";

AttributeList* ListForHeader(std::u16string_view header, AttributeLists lists) {
    if (header == kWeightsHeader)
        return &lists.weights;
    if (header == kTypesHeader)
        return &lists.types;
    if (header == kColoursHeader)
        return &lists.colours;
    return nullptr;
}

bool AnyNeedsWide(const TextConverter& converter, const AttributeList& values) {
    for (const std::u16string& value : values) {
        if (TextConverter::IsMarked(converter.Encode(value)))
            return true;
    }
    return false;
}

// One line at a time, telling the listener (when there is one) what it drops or changes.
class AttributeLineReader {
  public:
    AttributeLineReader(AttributeLists lists, ReadListener* listener)
        : lists_(lists), listener_(listener) {}

    void Read(std::u16string& line, int32_t number) {
        // A value ends at its first colon, so "90 : comment" gives "90 ".
        std::u16string text = TakeField(line, u':');
        const bool cut = text.size() < line.size();
        DropTrailingCr(text);
        if (text.starts_with(u'[')) {
            current_ = ListForHeader(text, lists_);
            underUnknown_ = current_ == nullptr;
            if (listener_ != nullptr && underUnknown_)
                listener_->LineDropped(
                    {number, LineFault::kUnknownSection, LineField::kWhole, text});
        } else if (text.empty()) {
            if (listener_ != nullptr && cut)
                listener_->LineDropped({number, LineFault::kNoKey});
        } else if (current_ == nullptr) {
            if (listener_ != nullptr && !underUnknown_)
                listener_->LineDropped(
                    {number, LineFault::kBeforeSection, LineField::kWhole, text});
        } else {
            if (listener_ != nullptr && cut) {
                DropTrailingCr(line);
                listener_->LineChanged(
                    {number, LineFault::kCutAtColon, CurrentField(), line, text});
            }
            current_->push_back(std::move(text));
            if (listener_ != nullptr)
                listener_->LineKept(number);
        }
    }

  private:
    LineField CurrentField() const {
        return current_ == &lists_.weights ? LineField::kWeight
               : current_ == &lists_.types ? LineField::kType
                                           : LineField::kColour;
    }

    AttributeLists lists_;
    ReadListener* listener_;
    AttributeList* current_ = nullptr;
    bool underUnknown_ = false;
};

void WriteSection(TextFileBuilder& file, std::u16string_view header, const AttributeList& values) {
    file.Text(header);
    file.LineEnd();
    for (const std::u16string& value : values) {
        file.Text(value);
        file.LineEnd();
    }
}

}  // namespace

std::string AttributeFilePath(const std::u16string& catalogPath) {
    return CompanionBesideRealFile(ToNativePath(catalogPath), ".atr");
}

int32_t ReadAttributeLists(const std::u16string& catalogPath, AttributeLists lists,
                           ReadListener* listener) {
    if (catalogPath.empty())
        return kStatusPathEmpty;
    std::string bytes;
    LineFileFacts facts;
    const LineFileResult read = ReadLineFile(AttributeFilePath(catalogPath), bytes, facts);
    if (read != LineFileResult::kOk) {
        NoteTooLarge(read, facts, listener);
        return read == LineFileResult::kOpenFailed ? kStatusCannotOpen : kStatusReadError;
    }
    const SystemTextConverter converter;
    LineReader reader(bytes, LineReader::Narrow::kDecodeAnsi, &converter);
    AttributeLineReader lines(lists, listener);
    std::u16string line;
    for (int32_t number = 1;; ++number) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::kEnd) {
            NoteOddFinalByte(reader, listener);
            return kStatusOk;
        }
        if (result == LineReader::Result::kTooLong) {
            if (listener != nullptr)
                listener->LineDropped({number, LineFault::kTooLong});
            return kStatusReadError;
        }
        lines.Read(line, number);
    }
}

std::string AttributeFileBytes(const AttributeList& weights, const AttributeList& types,
                               const AttributeList& colours) {
    const SystemTextConverter converter;
    // Weights are scanned too: one that needed the marker would be read back cut at its colon.
    const bool wide = AnyNeedsWide(converter, types) || AnyNeedsWide(converter, colours) ||
                      AnyNeedsWide(converter, weights);
    return BuildTextFile(wide, converter, [&](TextFileBuilder& file) {
        WriteSection(file, kWeightsHeader, weights);
        WriteSection(file, kTypesHeader, types);
        WriteSection(file, kColoursHeader, colours);
        file.LineEnd();
    });
}

int32_t WriteAttributeLists(const std::u16string& catalogPath, const AttributeList& weights,
                            const AttributeList& types, const AttributeList& colours) {
    if (catalogPath.empty())
        return kStatusPathEmpty;
    const std::string bytes = AttributeFileBytes(weights, types, colours);
    const FileSetResult written = WriteFileSet({{AttributeFilePath(catalogPath), bytes}});
    if (written.error == AtomicFile::Error::kNone)
        return kStatusOk;
    return written.error == AtomicFile::Error::kWriteFailed ? kStatusWriteError : kStatusCannotOpen;
}

}  // namespace sheetwise
