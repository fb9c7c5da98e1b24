// The session's state: the paper shown, the values held for the fields and how typing and
// choosing in lists change them, and undo and redo.
#include "model/EditingSession.h"

#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "formats/TextConverter.h"
#include "model/WeightRange.h"
#include "platform/NativePath.h"

#include <unistd.h>

namespace sheetwise {
namespace {

// A text whose stored form is longer than the field takes from the keyboard.
bool LongerThanField(std::u16string_view text, int limit) {
    const SystemTextConverter converter;
    return static_cast<int>(converter.Encode(std::u16string(text)).size()) > limit;
}

FieldEdit Taken(std::u16string_view text, int limit) {
    return LongerThanField(text, limit) ? FieldEdit::kTooLong : FieldEdit::kTaken;
}

// The weight a field or list text stands for: 0 for the wildcard "*".
int32_t WeightOfText(std::u16string_view text) {
    return text == u"*" ? 0 : ReadLeadingInteger(text);
}

}  // namespace

EditingSession::EditingSession(std::u16string decimalSeparator)
    : decimalSeparator_(std::move(decimalSeparator)) {
    ShowPaper(0);
}

bool EditingSession::ShownIsDefault() const {
    return selected_ >= 0 && selected_ == catalog().GetDefaultIndex();
}

bool EditingSession::HasModification() const {
    PaperDefinition paper;
    if (!catalog().GetPaper(selected_, paper) || fields_.name != paper.name)
        return false;
    return fields_.sizeIndex != paper.sizeIndex || fields_.weight != paper.weight ||
           fields_.colour != paper.colour || fields_.type != paper.type ||
           fields_.mode != paper.imagedSides || fields_.precollated != paper.precollated;
}

EditingSession::Evident EditingSession::EnterCommand() const {
    if (changed_.name && catalog().FindPaper(fields_.name) < 0)
        return Evident::kAdd;
    return HasModification() ? Evident::kModify : Evident::kNone;
}

std::u16string EditingSession::SizeText(int32_t sizeIndex) const {
    PaperSize size;
    if (!catalog().GetSize(sizeIndex, size))
        return {};
    return SizeListText(size.widthText, size.heightText, size.unit, decimalSeparator_);
}

// The paper list knows two units only: millimetres, and inches for anything else.
std::u16string EditingSession::PaperSizeText(const PaperDefinition& paper) const {
    return PaperSizeListText(catalog(), paper.sizeIndex, decimalSeparator_);
}

std::u16string EditingSession::WeightFieldText() const {
    return fields_.weight < 0 ? std::u16string() : WeightListText(fields_.weight);
}

std::vector<SizeListItem> EditingSession::SizeItems() const {
    return SizeListItemsOf(catalog(), decimalSeparator_);
}

std::string EditingSession::ChoiceFolder(FileChoice choice) const {
    const std::string shown = ToNativePath(document_.shownPath());
    const size_t slash = shown.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : shown.substr(0, slash + 1);
    if (choice != FileChoice::kSaveCatalogAs || folder.empty())
        return folder;
    const std::string installed = FolderOf(ToNativePath(document_.defaultPath())) + "/";
    return access(folder.c_str(), W_OK) != 0 || folder == installed ? std::string() : folder;
}

void EditingSession::ShowPaper(int32_t index) {
    PaperDefinition paper;
    if (!catalog().GetPaper(index, paper))
        return;
    selected_ = index;
    fields_ = {paper.name,   paper.sizeIndex, PaperSizeText(paper), paper.weight,
               paper.colour, paper.type,      paper.imagedSides,    paper.precollated};
    changed_ = {};
}

FieldEdit EditingSession::EditName(std::u16string_view text, bool typed) {
    // A new name makes a new paper, which is not precollated unless the operator says so.
    if (typed && text != fields_.name && fields_.precollated == 1)
        fields_.precollated = 0;
    if (!PassesCharacterCheck(text))
        return FieldEdit::kRefused;
    fields_.name = text;
    changed_.name = !text.empty();
    return Taken(text, kNameFieldLimit);
}

FieldEdit EditingSession::EditColour(std::u16string_view text) {
    if (!PassesCharacterCheck(text))
        return FieldEdit::kRefused;
    fields_.colour = text;
    changed_.colour = !text.empty();
    return Taken(text, kColourFieldLimit);
}

FieldEdit EditingSession::EditType(std::u16string_view text) {
    if (!PassesCharacterCheck(text))
        return FieldEdit::kRefused;
    fields_.type = text;
    changed_.type = !text.empty();
    return Taken(text, kTypeFieldLimit);
}

FieldEdit EditingSession::EditWeight(std::u16string_view text) {
    if (!PassesCharacterCheck(text))
        return FieldEdit::kRefused;
    // An empty field holds no weight, which Add and Modify refuse.
    fields_.weight = text.empty() ? -1 : WeightOfText(text);
    changed_.weight = !text.empty();
    return Taken(text, kWeightFieldLimit);
}

void EditingSession::ChooseSize(int32_t sizeIndex) {
    // A size text that stands for no size of the catalog cannot be chosen.
    if (sizeIndex < 0 || sizeIndex >= static_cast<int32_t>(catalog().sizes().size()))
        return;
    fields_.sizeIndex = sizeIndex;
    fields_.sizeText = SizeText(sizeIndex);
}

void EditingSession::ChooseValue(int32_t kind, std::u16string_view value) {
    switch (kind) {
        case kWeights:
            fields_.weight = WeightOfText(value);
            changed_.weight = true;
            return;
        case kTypes:
            fields_.type = value;
            changed_.type = true;
            return;
        default:
            fields_.colour = value;
            changed_.colour = true;
            return;
    }
}

void EditingSession::SetPrecollated(bool precollated) {
    fields_.precollated = precollated ? 1 : 0;
    changed_.precollated = true;
}

void EditingSession::SetMode(int32_t mode) {
    fields_.mode = mode;
    changed_.mode = true;
}

bool EditingSession::Undo() {
    const EditStep* step = document_.Undo();
    if (step == nullptr)
        return false;
    ShowPaper(std::min(step->selectedBefore, catalog().PaperCount() - 1));
    return true;
}

bool EditingSession::Redo() {
    const EditStep* step = document_.Redo();
    if (step == nullptr)
        return false;
    ShowPaper(std::min(step->selectedAfter, catalog().PaperCount() - 1));
    return true;
}

}  // namespace sheetwise
