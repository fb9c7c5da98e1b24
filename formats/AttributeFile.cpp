#include "formats/AttributeFile.h"

#include "formats/TextLines.h"
#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

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
    return ResolveNameCase(ToNativePath(catalogPath) + ".atr");
}

int32_t ReadAttributeLists(const std::u16string& catalogPath, AttributeLists lists) {
    if (catalogPath.empty())
        return kStatusPathEmpty;
    std::string bytes;
    const ReadResult read = ReadFileBytes(AttributeFilePath(catalogPath), bytes);
    if (read != ReadResult::kOk) {
        return read == ReadResult::kOpenFailed ? kStatusCannotOpen : kStatusReadError;
    }
    const SystemTextConverter converter;
    LineReader reader(bytes, LineReader::Narrow::kDecodeAnsi, &converter);
    AttributeList* current = nullptr;
    std::u16string line;
    for (;;) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::kEnd)
            return kStatusOk;
        if (result == LineReader::Result::kTooLong)
            return kStatusReadError;
        // A value ends at its first colon, so "90 : comment" gives "90 ".
        std::u16string text = TakeField(line, u':');
        DropTrailingCr(text);
        if (text.starts_with(u'[')) {
            current = ListForHeader(text, lists);
        } else if (current != nullptr && !text.empty()) {
            current->push_back(std::move(text));
        }
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
    return written.error == AtomicFile::Error::kCannotCreate ? kStatusCannotOpen
                                                             : kStatusWriteError;
}

}  // namespace sheetwise
