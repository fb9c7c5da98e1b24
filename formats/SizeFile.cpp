#include "formats/SizeFile.h"

#include "formats/CatalogText.h"
#include "formats/FileNotes.h"
#include "formats/ReadListener.h"
#include "formats/TextLines.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

constexpr LineField kRequired[] = {LineField::kHeight, LineField::kThirdMeasure,
                                   LineField::kFourthMeasure, LineField::kUnit};

bool HasDigit(std::u16string_view text) {
    return text.find_first_of(u"0123456789") != std::u16string_view::npos;
}

class SizeLineReader {
  public:
    SizeLineReader(std::vector<PaperSize>& sizes, ReadListener* listener)
        : sizes_(sizes), listener_(listener) {}

    // False when the line lacks one of its first five fields.
    bool Read(std::u16string_view line, int32_t lineNumber) {
        line_ = lineNumber + 1;
        FieldCutter fields(line, u':');
        std::u16string_view values[5];
        fields.Next(values[0]);
        if (values[0].empty()) {
            if (listener_ != nullptr && !line.empty())
                Dropped(LineFault::kNoKey, LineField::kWidth);
            return true;
        }
        for (size_t i = 1; i < 5; ++i) {
            if (!fields.Next(values[i]) || values[i].empty()) {
                if (listener_ != nullptr)
                    Dropped(LineFault::kFieldEmpty, kRequired[i - 1]);
                return false;
            }
        }
        PaperSize size;
        size.widthText = values[0];
        size.heightText = values[1];
        size.width = ReadSizeNumber(values[0]);
        size.height = ReadSizeNumber(values[1]);
        size.third = ReadSizeNumber(values[2]);
        size.fourth = ReadSizeNumber(values[3]);
        size.unit = ReadUnsignedDigits(values[4]);
        size.line = lineNumber;
        size.text = fields.Rest();
        if (listener_ != nullptr)
            NoteChanges(values[0], values[1], values[4], size.unit);
        sizes_.push_back(std::move(size));
        if (listener_ != nullptr)
            listener_->LineKept(line_);
        return true;
    }

  private:
    void Dropped(LineFault fault, LineField field) {
        listener_->LineDropped({line_, fault, field, {}, {}, 0, 0});
    }

    void NoteChanges(std::u16string_view width, std::u16string_view height,
                     std::u16string_view unit, int32_t unitRead) {
        if (!HasDigit(width))
            listener_->LineChanged({line_, LineFault::kNumberFromText, LineField::kWidth, width});
        if (!HasDigit(height))
            listener_->LineChanged({line_, LineFault::kNumberFromText, LineField::kHeight, height});
        if (!IsDigits(unit))
            listener_->LineChanged(
                {line_, LineFault::kNumberFromText, LineField::kUnit, unit, {}, unitRead});
    }

    std::vector<PaperSize>& sizes_;
    ReadListener* listener_;
    int32_t line_ = 0;
};

}  // namespace

int32_t ReadSizeFile(const std::u16string& sizePath, std::vector<PaperSize>& sizes,
                     ReadListener* listener) {
    if (sizePath.empty())
        return kStatusPathEmpty;
    std::string bytes;
    LineFileFacts facts;
    const LineFileResult read = ReadLineFile(ToNativePath(sizePath), bytes, facts);
    if (read != LineFileResult::kOk) {
        NoteTooLarge(read, facts, listener);
        return read == LineFileResult::kOpenFailed ? kStatusCannotOpen : kStatusReadError;
    }
    const std::string text = ToTextMode(bytes);
    LineReader reader(text, LineReader::Narrow::kBytes, nullptr);
    SizeLineReader lines(sizes, listener);
    int32_t status = kStatusOk;
    std::u16string line;
    for (int32_t lineNumber = 0;; ++lineNumber) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::kEnd)
            return status;
        if (result == LineReader::Result::kTooLong) {
            if (listener != nullptr)
                listener->LineDropped({lineNumber + 1, LineFault::kTooLong});
            return kStatusReadError;
        }
        if (!lines.Read(line, lineNumber))
            status = kStatusSizeFieldMissing;
    }
}

}  // namespace sheetwise
