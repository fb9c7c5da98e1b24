#include "formats/CatalogFile.h"

#include <algorithm>

#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "formats/FileNotes.h"
#include "formats/ReadListener.h"
#include "formats/TextLines.h"
#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/MemoryHints.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

// "a:1:1:a:a": a name, a size number, a weight, a colour and a type of one character each.
constexpr size_t kShortestPaperLine = 9;

constexpr LineField kRequired[] = {LineField::kSizeNumber, LineField::kWeight, LineField::kColour,
                                   LineField::kType};

int32_t ImagedSidesFromField(std::u16string_view field) {
    const int32_t mode = ReadUnsignedDigits(field);
    return mode == kInserter || mode == kOneSided ? mode : kTwoSided;
}

// A decimal integer as ReadLeadingInteger reads it in full: blanks, an optional sign, digits.
bool IsPlainInteger(std::u16string_view text) {
    const size_t start = text.find_first_not_of(u" \t");
    if (start == std::u16string_view::npos)
        return false;
    text.remove_prefix(start);
    if (text.front() == u'+' || text.front() == u'-')
        text.remove_prefix(1);
    return IsDigits(text);
}

bool IsAscii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit < 0x80; });
}

bool NeedsWide(const TextConverter& converter, std::u16string_view text) {
    return !IsAscii(text) && TextConverter::IsMarked(converter.Encode(text));
}

// One paper line at a time, telling the listener (when there is one) what it drops or changes.
class PaperLineReader {
  public:
    PaperLineReader(const std::vector<PaperSize>& sizes, ReadListener* listener)
        : sizes_(sizes), listener_(listener) {}

    void Header(std::u16string& line, CatalogFileContents& contents, int32_t& status) {
        DropTrailingCr(line);
        const size_t colon = line.find(u':');
        contents.headerText = line.substr(0, colon);
        if (colon == std::u16string::npos)
            return;
        contents.defaultName = line.substr(colon + 1);
        if (const auto at = FirstDisallowed(contents.defaultName)) {
            status = kStatusBadCharacter;
            if (listener_ != nullptr)
                listener_->LineDropped({1, LineFault::kBadCharacter, LineField::kDefaultName,
                                        contents.defaultName, contents.defaultName,
                                        static_cast<int64_t>(*at)});
        }
    }

    // Appends the paper of the line, or gives the status that drops it.
    void Paper(std::u16string& line, int32_t number, std::vector<PaperDefinition>& papers,
               int32_t& status) {
        line_ = number;
        DropTrailingCr(line);
        FieldCutter fields(line, u':');
        std::u16string_view field;
        fields.Next(field);
        if (field.empty()) {
            if (listener_ != nullptr && !line.empty())
                Note(false, LineFault::kNoKey, LineField::kName);
            return;
        }
        // Made where it is kept, since moving a paper costs as much as reading it; a dropped line
        // takes its unfinished paper away again.
        PaperDefinition& paper = papers.emplace_back();
        if (!FillPaper(fields, field, paper, status)) {
            papers.pop_back();
            return;
        }
        if (listener_ != nullptr)
            listener_->LineKept(line_);
    }

  private:
    // The paper of a line from its name on; false, with the status where one is given, when the
    // line is dropped.
    bool FillPaper(FieldCutter& fields, std::u16string_view field, PaperDefinition& paper,
                   int32_t& status) {
        if (!TextField(LineField::kName, field, kMaxNameLength, paper.name)) {
            status = kStatusBadCharacter;
            return false;
        }
        // A name that escapes reduce to nothing (a lone "\") would be written back as a line the
        // reader skips, so the paper would vanish on the next save; it is skipped here instead.
        if (paper.name.empty())
            return false;
        std::u16string_view values[4];
        if (!RequiredFields(fields, values)) {
            status = kStatusFieldMissing;
            return false;
        }
        SizeNumber(values[0], paper);
        paper.weight = Weight(values[1]);
        if (!TextField(LineField::kColour, values[2], kMaxColourLength, paper.colour) ||
            !TextField(LineField::kType, values[3], kMaxTypeLength, paper.type)) {
            status = kStatusBadCharacter;
            return false;
        }
        // Likewise a colour or type that escapes reduce to nothing counts as missing.
        if (paper.colour.empty() || paper.type.empty()) {
            status = kStatusFieldMissing;
            return false;
        }
        OptionalFields(fields, paper);
        return true;
    }

    void Note(bool changed, LineFault fault, LineField field, std::u16string_view written = {},
              std::u16string_view read = {}, int64_t number = 0, int64_t limit = 0) {
        const LineNote note{line_, fault, field, written, read, number, limit};
        changed ? listener_->LineChanged(note) : listener_->LineDropped(note);
    }

    // A text field as stored: escapes decoded, checked, cut to its length. False when the check
    // fails. The backslash is no allowed character, so a field that passes the check as it
    // stands in the line holds no escape: it is taken from there in one pass, and the paper's
    // string is the only one made.
    bool TextField(LineField what, std::u16string_view field, size_t maxLength,
                   std::u16string& text) {
        std::u16string_view read = field;
        if (!PassesCharacterCheck(field) && !Decoded(what, field, read))
            return false;
        if (read.size() > maxLength) {
            if (listener_ != nullptr)
                Note(true, LineFault::kCut, what, read, read.substr(0, maxLength),
                     static_cast<int64_t>(maxLength));
            read = read.substr(0, maxLength);
        }
        text.assign(read);
        return true;
    }

    // The field with its escapes decoded, when it holds any, in `read`; false when that fails
    // the check.
    bool Decoded(LineField what, std::u16string_view field, std::u16string_view& read) {
        if (field.find(u'\\') != std::u16string_view::npos) {
            DecodeEscapes(field, decoded_);
            read = decoded_;
            if (listener_ != nullptr && read != field)
                Note(true, LineFault::kEscapes, what, field, read);
        }
        return listener_ == nullptr ? PassesCharacterCheck(read) : !Disallowed(what, read);
    }

    bool Disallowed(LineField what, std::u16string_view text) {
        const auto at = FirstDisallowed(text);
        if (at)
            Note(false, LineFault::kBadCharacter, what, text, text, static_cast<int64_t>(*at));
        return at.has_value();
    }

    bool RequiredFields(FieldCutter& fields, std::u16string_view (&values)[4]) {
        for (size_t i = 0; i < 4; ++i) {
            const bool present = fields.Next(values[i]);
            if (present && !values[i].empty())
                continue;
            if (listener_ != nullptr)
                Note(false, present ? LineFault::kFieldEmpty : LineFault::kFieldMissing,
                     kRequired[i]);
            return false;
        }
        return true;
    }

    void SizeNumber(std::u16string_view text, PaperDefinition& paper) {
        const int32_t number = ReadUnsignedDigits(text);
        if (number > 0 && static_cast<size_t>(number) <= sizes_.size()) {
            const PaperSize& record = sizes_[static_cast<size_t>(number) - 1];
            paper.sizeIndex = number - 1;
            paper.width = record.width;
            paper.height = record.height;
        } else {
            paper.sizeIndex = -1;
        }
        if (listener_ == nullptr)
            return;
        if (!IsDigits(text))
            Note(true, LineFault::kNumberFromText, LineField::kSizeNumber, text, {}, number);
        if (paper.sizeIndex < 0)
            Note(true, LineFault::kSizeOutOfRange, LineField::kSizeNumber, text, {}, number,
                 static_cast<int64_t>(sizes_.size()));
    }

    int32_t Weight(std::u16string_view text) {
        const bool wildcard = text.front() == u'*';
        const int32_t weight = wildcard ? 0 : ReadUnsignedDigits(text);
        if (listener_ != nullptr && (wildcard ? text != u"*" : !IsDigits(text)))
            Note(true, LineFault::kNumberFromText, LineField::kWeight, text, {}, weight);
        return weight;
    }

    // An empty imaged-sides field holds no digit and reads as 0 (Inserter), as print servers
    // read it; only a line that ends before it keeps 2.
    void OptionalFields(FieldCutter& fields, PaperDefinition& paper) {
        std::u16string_view field;
        if (fields.Next(field)) {
            paper.imagedSides = ImagedSidesFromField(field);
            if (listener_ != nullptr && field != u"0" && field != u"1" && field != u"2")
                Note(true, LineFault::kNumberFromText, LineField::kImagedSides, field, {},
                     paper.imagedSides);
        }
        if (fields.Next(field) && !field.empty()) {
            paper.precollated = ReadLeadingInteger(field);
            if (listener_ != nullptr && !IsPlainInteger(field))
                Note(true, LineFault::kNumberFromText, LineField::kPrecollated, field, {},
                     paper.precollated);
        }
        if (listener_ == nullptr)
            return;
        const std::u16string_view rest = fields.Rest();
        if (fields.Next(field) && !rest.empty())
            Note(true, LineFault::kRestIgnored, LineField::kWhole, rest);
    }

    const std::vector<PaperSize>& sizes_;
    ReadListener* listener_;
    int32_t line_ = 0;
    std::u16string decoded_;  // the escapes of the current field, decoded
};

void WritePaperLine(TextFileBuilder& file, const PaperDefinition& paper, char16_t separator) {
    const std::u16string_view fieldEnd(&separator, 1);
    file.Text(paper.name);
    file.Text(fieldEnd);
    file.Text(FormatDecimal(int64_t{paper.sizeIndex} + 1));
    file.Text(fieldEnd);
    file.Text(FormatDecimal(paper.weight));
    file.Text(fieldEnd);
    file.Text(paper.colour);
    file.Text(fieldEnd);
    file.Text(paper.type);
    file.Text(fieldEnd);
    file.Text(FormatDecimal(paper.imagedSides));
    file.Text(fieldEnd);
    file.Text(FormatDecimal(paper.precollated));
    file.LineEnd();
}

// UTF-16 as soon as one name, colour, type or the header text has no exact ANSI form.
bool ChooseWideMode(const TextConverter& converter, std::u16string_view headerText,
                    const std::vector<PaperDefinition>& papers) {
    std::u16string joined;
    for (const PaperDefinition& paper : papers) {
        joined.assign(paper.name).append(paper.colour).append(paper.type);
        if (NeedsWide(converter, joined))
            return true;
    }
    return NeedsWide(converter, headerText);
}

}  // namespace

CatalogReadResult ReadCatalogFile(const std::u16string& path, LineReader::Narrow narrow,
                                  const std::vector<PaperSize>& sizes,
                                  CatalogFileContents& contents, ReadListener* listener) {
    if (path.empty())
        return {false, kStatusCatalogPathEmpty};
    std::string bytes;
    LineFileFacts facts;
    const LineFileResult read = ReadLineFile(ToNativePath(path), bytes, facts, kShortestPaperLine);
    if (read != LineFileResult::kOk) {
        NoteTooLarge(read, facts, listener);
        return {false, read == LineFileResult::kOpenFailed ? kStatusCatalogCannotOpen
                                                           : kStatusCatalogReadError};
    }
    const SystemTextConverter converter;
    LineReader reader(bytes, narrow, &converter);
    std::u16string line;
    const LineReader::Result first = reader.Next(line);
    if (first != LineReader::Result::kLine) {
        if (listener != nullptr && first == LineReader::Result::kTooLong)
            listener->LineDropped({1, LineFault::kTooLong});
        return {false, kStatusCatalogReadError};
    }
    PaperLineReader lines(sizes, listener);
    int32_t status = kStatusOk;
    lines.Header(line, contents, status);
    // One paper at most for each line that is long enough to hold one. A listener may take each
    // paper as it comes (check does), and then needs no room.
    std::vector<PaperDefinition>& papers = contents.papers;
    if (listener == nullptr) {
        papers.reserve(papers.size() + facts.longLines);
        PrefaultForWriting(papers.data() + papers.size(),
                           (papers.capacity() - papers.size()) * sizeof(PaperDefinition));
    }
    for (int32_t number = 2;; ++number) {
        const LineReader::Result result = reader.Next(line);
        if (result == LineReader::Result::kEnd) {
            NoteOddFinalByte(reader, listener);
            return {true, status};
        }
        if (result == LineReader::Result::kTooLong) {
            if (listener != nullptr)
                listener->LineDropped({number, LineFault::kTooLong});
            return {false, kStatusCatalogReadError};
        }
        lines.Paper(line, number, papers, status);
    }
}

std::string CatalogFileBytes(std::u16string_view headerText, const std::u16string* defaultName,
                             const std::vector<PaperDefinition>& papers, char16_t separator) {
    const SystemTextConverter converter;
    return BuildTextFile(ChooseWideMode(converter, headerText, papers), converter,
                         [&](TextFileBuilder& file) {
                             file.Text(headerText);
                             file.Text(u":");
                             if (defaultName != nullptr)
                                 file.Text(*defaultName);
                             file.LineEnd();
                             for (const PaperDefinition& paper : papers)
                                 WritePaperLine(file, paper, separator);
                         });
}

int32_t WriteCatalogFile(const std::u16string& path, const std::string& bytes) {
    // No path names no file: the same "cannot open" as a file that cannot be written.
    if (path.empty())
        return kStatusCatalogCannotOpen;
    const FileSetResult written = WriteFileSet({{ToNativePath(path), bytes}});
    if (written.error == AtomicFile::Error::kNone)
        return kStatusOk;
    // A file refused (read-only, a link of another user's, a lock not had) is not opened.
    return written.error == AtomicFile::Error::kWriteFailed ? kStatusWriteError
                                                            : kStatusCatalogCannotOpen;
}

}  // namespace sheetwise
