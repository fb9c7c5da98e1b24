// Reading and writing the catalog file:
//
//   header text:default paper name
//   name:size number:weight:colour:type:imaged sides:precollated      (one line per paper)
//
// Size numbers are 1-based (0 = no valid size); a weight of 0 is the wildcard "*".
#include <algorithm>
#include <string>

#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "formats/TextLines.h"
#include "model/PaperCatalog.h"
#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

// A text field as stored: escapes decoded, checked, cut to its length. False when the check fails.
bool ReadTextField(std::u16string_view field, size_t maxLength, std::u16string& text) {
    text = DecodeEscapes(field);
    if (!PassesCharacterCheck(text))
        return false;
    if (text.size() > maxLength)
        text.resize(maxLength);
    return true;
}

int32_t ImagedSidesFromField(std::u16string_view field) {
    const int32_t mode = ReadUnsignedDigits(field);
    return mode == kInserter || mode == kOneSided ? mode : kTwoSided;
}

bool IsAscii(std::u16string_view text) {
    for (char16_t unit : text) {
        if (unit >= 0x80)
            return false;
    }
    return true;
}

bool NeedsWide(const TextConverter& converter, std::u16string_view text) {
    return !IsAscii(text) && TextConverter::IsMarked(converter.Encode(text));
}

}  // namespace

bool PaperCatalog::Open(const std::u16string& path, bool withCompanions) {
    if (withCompanions) {
        sizes_.clear();
        ReadSizes(SizePathReplacingLastThree(path));
        if (status_ == kStatusOk)
            ReadAttributeFile(path);
    }
    if (status_ != kStatusOk)
        return false;
    return ReadCatalogFile(path, true);
}

bool PaperCatalog::ReadPapers(const std::u16string& path) {
    return ReadCatalogFile(path, false);
}

bool PaperCatalog::ReadCatalogFile(const std::u16string& path, bool decodeAnsi) {
    papers_.clear();
    nameIndexValid_ = false;
    status_ = kStatusOk;
    if (path.empty()) {
        status_ = kStatusCatalogPathEmpty;
        return false;
    }
    std::string bytes;
    const ReadResult read = ReadFileBytes(ToNativePath(path), bytes);
    if (read != ReadResult::kOk) {
        status_ =
            read == ReadResult::kOpenFailed ? kStatusCatalogCannotOpen : kStatusCatalogReadError;
        return false;
    }
    const SystemTextConverter converter;
    LineReader reader(bytes,
                      decodeAnsi ? LineReader::Narrow::kDecodeAnsi : LineReader::Narrow::kBytes,
                      &converter);
    std::u16string line;
    if (reader.Next(line) != LineReader::Result::kLine) {
        status_ = kStatusCatalogReadError;
        return false;
    }
    ReadHeaderLine(line);
    // One paper a line; the shortest paper line has ten bytes, which bounds what a file of
    // empty lines can make us reserve.
    const auto lines = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    papers_.reserve(std::min(lines, bytes.size() / 10));
    for (;;) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::kEnd)
            return true;
        if (result == LineReader::Result::kTooLong) {
            status_ = kStatusCatalogReadError;
            return false;
        }
        ReadPaperLine(line);
    }
}

void PaperCatalog::ReadHeaderLine(std::u16string& line) {
    DropTrailingCr(line);
    const size_t colon = line.find(u':');
    headerText_ = line.substr(0, colon);
    if (colon == std::u16string::npos)
        return;
    defaultName_ = line.substr(colon + 1);
    if (!PassesCharacterCheck(defaultName_))
        status_ = kStatusBadCharacter;
}

void PaperCatalog::ReadPaperLine(std::u16string& line) {
    DropTrailingCr(line);
    FieldCutter fields(line, u':');
    std::u16string_view field;
    fields.Next(field);
    if (field.empty())
        return;
    PaperDefinition paper;
    if (!ReadTextField(field, kMaxNameLength, paper.name)) {
        status_ = kStatusBadCharacter;
        return;
    }
    // A name that escapes reduce to nothing (a lone "\") would be written back as a line the
    // reader skips, so the paper would vanish on the next save; it is skipped here instead.
    if (paper.name.empty())
        return;
    std::u16string_view size, weight, colour, type;
    if (!fields.Next(size) || size.empty() || !fields.Next(weight) || weight.empty() ||
        !fields.Next(colour) || colour.empty() || !fields.Next(type) || type.empty()) {
        status_ = kStatusFieldMissing;
        return;
    }
    const int32_t sizeNumber = ReadUnsignedDigits(size);
    if (sizeNumber > 0 && static_cast<size_t>(sizeNumber) <= sizes_.size()) {
        const PaperSize& record = sizes_[static_cast<size_t>(sizeNumber) - 1];
        paper.sizeIndex = sizeNumber - 1;
        paper.width = record.width;
        paper.height = record.height;
    } else {
        paper.sizeIndex = -1;
    }
    paper.weight = weight.front() == u'*' ? 0 : ReadUnsignedDigits(weight);
    if (!ReadTextField(colour, kMaxColourLength, paper.colour) ||
        !ReadTextField(type, kMaxTypeLength, paper.type)) {
        status_ = kStatusBadCharacter;
        return;
    }
    // Likewise a colour or type that escapes reduce to nothing counts as missing.
    if (paper.colour.empty() || paper.type.empty()) {
        status_ = kStatusFieldMissing;
        return;
    }
    paper.colourCode = paper.colour.starts_with(u'*') ? 0 : ColourCode(paper.colour);
    paper.typeCode = paper.type.starts_with(u'*') ? -1 : TypeCode(paper.type);
    // An empty field holds no digit and reads as 0 (Inserter), as print servers read it; only a
    // line that ends before it keeps 2.
    if (fields.Next(field))
        paper.imagedSides = ImagedSidesFromField(field);
    if (fields.Next(field) && !field.empty())
        paper.precollated = ReadLeadingInteger(field);
    AppendReadPaper(std::move(paper));
}

void PaperCatalog::AppendReadPaper(PaperDefinition paper) {
    paper.loadPosition = PaperCount();
    // Duplicate names may come from a file; the last one named on the first line is the default.
    if (paper.name == defaultName_)
        defaultIndex_ = PaperCount();
    AppendPaper(std::move(paper));
}

std::string PaperCatalog::FileBytes() const {
    const SystemTextConverter converter;
    return BuildTextFile(ChooseWideMode(converter), converter, [&](TextFileBuilder& file) {
        file.Text(headerText_);
        file.Text(u":");
        if (ValidPaperIndex(defaultIndex_))
            file.Text(papers_[static_cast<size_t>(defaultIndex_)].name);
        file.LineEnd();
        for (const PaperDefinition& paper : papers_)
            WritePaperLine(file, paper);
    });
}

void PaperCatalog::WritePaperLine(TextFileBuilder& file, const PaperDefinition& paper) const {
    const std::u16string separator(1, separator_);
    file.Text(paper.name);
    file.Text(separator);
    file.Text(FormatDecimal(int64_t{paper.sizeIndex} + 1));
    file.Text(separator);
    file.Text(FormatDecimal(paper.weight));
    file.Text(separator);
    file.Text(paper.colour);
    file.Text(separator);
    file.Text(paper.type);
    file.Text(separator);
    file.Text(FormatDecimal(paper.imagedSides));
    file.Text(separator);
    file.Text(FormatDecimal(paper.precollated));
    file.LineEnd();
}

bool PaperCatalog::Save(const std::u16string& path) {
    status_ = kStatusOk;
    // No path names no file: the same "cannot open" as a file that cannot be written.
    if (path.empty()) {
        status_ = kStatusCatalogCannotOpen;
        return false;
    }
    const std::string bytes = FileBytes();
    const FileSetResult written = WriteFileSet({{ToNativePath(path), bytes}});
    if (written.error != AtomicFile::Error::kNone) {
        status_ = written.error == AtomicFile::Error::kCannotCreate ? kStatusCatalogCannotOpen
                                                                    : kStatusWriteError;
    }
    return status_ == kStatusOk;
}

// UTF-16 as soon as one name, colour, type or the header text has no exact ANSI form.
bool PaperCatalog::ChooseWideMode(const TextConverter& converter) const {
    std::u16string joined;
    for (const PaperDefinition& paper : papers_) {
        joined.assign(paper.name).append(paper.colour).append(paper.type);
        if (NeedsWide(converter, joined))
            return true;
    }
    return NeedsWide(converter, headerText_);
}

}  // namespace sheetwise
