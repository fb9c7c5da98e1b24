#include "cli/CheckListener.h"

#include <cstdio>

#include "cli/CatalogTable.h"
#include "cli/Console.h"
#include "formats/TextLines.h"

namespace sheetwise::cli {
namespace {

// What is lost when a line is too long to read, by file.
const char* LostFromHere(CheckedFile kind) {
    switch (kind) {
        case CheckedFile::kSizes:
            return "reading stops here (status 3), the sizes from here on are lost";
        case CheckedFile::kAttributes:
            return "reading stops here (status 3), the values from here on are lost and the "
                   "catalog's papers are not read";
        case CheckedFile::kCatalog:
            break;
    }
    return "reading stops here (status 7), this paper and all after it are lost";
}

// What is lost when a file is refused for its size, by file.
const char* NotReadAtAll(CheckedFile kind) {
    switch (kind) {
        case CheckedFile::kSizes:
            return "it is not read (status 3), nor are the catalog's attribute file and papers";
        case CheckedFile::kAttributes:
            return "it is not read (status 3), nor are the catalog's papers";
        case CheckedFile::kCatalog:
            break;
    }
    return "it is not read (status 7)";
}

std::string TooLong(const char* what) {
    return std::string(what) + " is longer than " + std::to_string(kMaxLineBytes) + " bytes";
}

std::u16string FoldedAndTrimmed(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u" \t");
    const size_t last = text.find_last_not_of(u" \t");
    std::u16string folded(first == std::u16string_view::npos
                              ? std::u16string_view()
                              : text.substr(first, last - first + 1));
    for (char16_t& unit : folded) {
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
    }
    return folded;
}

// Says which header was meant when only letter case or blanks differ.
std::string UnknownSectionMessage(std::u16string_view header) {
    constexpr std::u16string_view kHeaders[] = {u"[PaperWeights]", u"[PaperTypes]",
                                                u"[PaperColors]"};
    std::string message =
        "unknown section header " + Quoted(header) + ": the values below it are ignored";
    for (const std::u16string_view known : kHeaders) {
        if (FoldedAndTrimmed(header) == FoldedAndTrimmed(known))
            message += " (the header must read exactly " + Utf8(known) + ")";
    }
    return message;
}

std::string The(LineField field) {
    return std::string("the ") + FieldName(field);
}

}  // namespace

const char* FieldName(LineField field) {
    switch (field) {
        case LineField::kWhole:
            return "line";
        case LineField::kName:
            return "name";
        case LineField::kSizeNumber:
            return "size number";
        case LineField::kWeight:
            return "weight";
        case LineField::kColour:
            return "colour";
        case LineField::kType:
            return "type";
        case LineField::kImagedSides:
            return "imaged sides";
        case LineField::kPrecollated:
            return "precollated flag";
        case LineField::kDefaultName:
            return "default paper name";
        case LineField::kWidth:
            return "width";
        case LineField::kHeight:
            return "height";
        case LineField::kThirdMeasure:
            return "third measure";
        case LineField::kFourthMeasure:
            return "fourth measure";
        case LineField::kUnit:
            return "unit";
    }
    return "field";
}

void CheckListener::LineDropped(const LineNote& note) {
    if (note.fault == LineFault::kTooLong)
        tooLongLine_ = note.line;
    if (note.fault == LineFault::kTooLarge) {
        tooLarge_ = true;
        findings_.AddUnreadable(file_, FindingCode::kFileTooLarge, Dropped(note));
        return;
    }
    Add(note.line, CodeOfFault(note.fault), Dropped(note));
}

void CheckListener::WarnOfDisplayHazard(int32_t line, std::string_view what,
                                        std::u16string_view text) {
    if (const auto at = FirstDisplayHazard(text))
        AddInconsistency(line, FindingCode::kDisplayHazard, DisplayHazardMessage(what, text, *at));
}

void CheckListener::LineChanged(const LineNote& note) {
    // Without the size-definition file every size number is out of range; that says nothing.
    if (note.fault == LineFault::kSizeOutOfRange && !sizesKnown_)
        return;
    Add(note.line, CodeOfFault(note.fault), Describe(note));
}

std::string CheckListener::Dropped(const LineNote& note) const {
    switch (note.fault) {
        case LineFault::kTooLong:
            if (kind_ == CheckedFile::kCatalog && note.line == 1)
                return TooLong("the first line") + ": nothing can be read (status 7)";
            return TooLong("the line") + ": " + LostFromHere(kind_);
        case LineFault::kTooLarge:
            return "the file has " + std::to_string(note.number) + " bytes, more than the " +
                   std::to_string(note.limit) +
                   " a catalog's file may have: " + NotReadAtAll(kind_);
        case LineFault::kNoKey:
            if (kind_ == CheckedFile::kAttributes)
                return "ignored: the line starts with ':'";
            return std::string("skipped: the line starts with ':', so it has no ") +
                   (kind_ == CheckedFile::kSizes ? "width" : "name");
        case LineFault::kFieldMissing:
            return "dropped: the line ends before its " + std::string(FieldName(note.field)) +
                   " field (status 11)";
        case LineFault::kFieldEmpty:
            if (kind_ == CheckedFile::kSizes)
                return "dropped: " + The(note.field) + " field is missing or empty (status 4)";
            return "dropped: " + The(note.field) + " field is empty (status 11)";
        case LineFault::kBadCharacter: {
            const std::string message =
                DisallowedMessage(The(note.field), note.read, static_cast<size_t>(note.number)) +
                " (status 12)";
            return note.field == LineField::kDefaultName ? message : "dropped: " + message;
        }
        case LineFault::kUnknownSection:
            return UnknownSectionMessage(note.written);
        case LineFault::kBeforeSection:
            return "ignored: the value " + Quoted(note.written) +
                   " stands before any section header";
        default:
            return Describe(note);
    }
}

std::string CheckListener::Describe(const LineNote& note) const {
    switch (note.fault) {
        case LineFault::kEscapes:
            return The(note.field) + " " + Quoted(note.written) + " holds escapes: read as " +
                   Quoted(note.read);
        case LineFault::kCut:
            return The(note.field) + " " + Quoted(note.written) + " is cut to " +
                   std::to_string(note.number) + " characters: " + Quoted(note.read);
        case LineFault::kNumberFromText:
            return DescribeNumber(note);
        case LineFault::kSizeOutOfRange:
            return "the size number " + std::to_string(note.number) +
                   " is out of range (the size-definition file has " + std::to_string(note.limit) +
                   " sizes): the paper gets no size and is saved with size number 0";
        case LineFault::kRestIgnored:
            return "ignored: the text after the seventh field, " + Quoted(note.written);
        case LineFault::kCutAtColon:
            return The(note.field) + " " + Quoted(note.written) +
                   " is cut at its ':' and read as " + Quoted(note.read);
        case LineFault::kOddFinalByte: {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02x", static_cast<unsigned>(note.number));
            return std::string("the file is UTF-16 but ends in a lone byte (") + byte +
                   ") that is no character and is dropped: the file may have been cut short";
        }
        default:
            break;
    }
    // The faults that drop a line are worded by Dropped(); this stands in for a fault added later.
    return "the line is not read as written";
}

std::string CheckListener::DescribeNumber(const LineNote& note) const {
    const std::string written = The(note.field) + " " + Quoted(note.written);
    const std::string number = std::to_string(note.number);
    switch (note.field) {
        case LineField::kWidth:
        case LineField::kHeight:
            return written + " holds no number: read as 0";
        case LineField::kWeight:
            if (note.written.starts_with(u'*'))
                return written + " is read as * (any weight)";
            return written + " is read as " + number + (note.number == 0 ? " (* any weight)" : "");
        case LineField::kImagedSides:
            return written + " are read as " + number + " (" +
                   ImagedSidesName(static_cast<int32_t>(note.number)) + ")";
        default:
            return written + " is read as " + number;
    }
}

}  // namespace sheetwise::cli
