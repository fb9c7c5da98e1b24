// Reading the size-definition file, one size per line:
//
//   width:height:third measure:fourth measure:unit:display text
//
// The unit is 0 for inches and 1 for millimetres; the display text runs to the end of the line,
// colons included. The file is plain bytes; each byte is the character with that code.
#include "formats/CatalogText.h"
#include "formats/TextLines.h"
#include "model/PaperCatalog.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {

bool PaperCatalog::ReadSizes(const std::u16string& sizePath) {
    status_ = kStatusOk;
    if (sizePath.empty()) {
        status_ = kStatusPathEmpty;
        return false;
    }
    std::string bytes;
    const ReadResult read = ReadFileBytes(ToNativePath(sizePath), bytes);
    if (read != ReadResult::kOk) {
        status_ = read == ReadResult::kOpenFailed ? kStatusCannotOpen : kStatusReadError;
        return false;
    }
    const std::string text = ToTextMode(bytes);
    LineReader reader(text, LineReader::Narrow::kBytes, nullptr);
    std::u16string line;
    for (int32_t lineNumber = 0;; ++lineNumber) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::kEnd)
            break;
        if (result == LineReader::Result::kTooLong) {
            status_ = kStatusReadError;
            break;
        }
        ReadSizeLine(line, lineNumber);
    }
    return status_ == kStatusOk;
}

void PaperCatalog::ReadSizeLine(std::u16string_view line, int32_t lineNumber) {
    FieldCutter fields(line, u':');
    std::u16string_view width, height, third, fourth, unit;
    fields.Next(width);
    if (width.empty())
        return;
    if (!fields.Next(height) || height.empty() || !fields.Next(third) || third.empty() ||
        !fields.Next(fourth) || fourth.empty() || !fields.Next(unit) || unit.empty()) {
        status_ = kStatusSizeFieldMissing;
        return;
    }
    PaperSize size;
    size.widthText = width;
    size.heightText = height;
    size.width = ReadSizeNumber(width);
    size.height = ReadSizeNumber(height);
    size.third = ReadSizeNumber(third);
    size.fourth = ReadSizeNumber(fourth);
    size.unit = ReadUnsignedDigits(unit);
    size.line = lineNumber;
    size.text = fields.Rest();
    sizes_.push_back(std::move(size));
}

}  // namespace sheetwise
