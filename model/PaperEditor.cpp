#include "model/PaperEditor.h"

#include <algorithm>

#include "formats/CatalogText.h"
#include "model/WeightRange.h"

namespace sheetwise {
namespace {

constexpr int32_t kCatalogMoveUp = 0;
constexpr int32_t kCatalogMoveDown = 1;

bool Contains(const AttributeList& list, const std::u16string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// Whether a paper uses the value. Weights are numbers ("*" is 0, "90 gsm" is 90); types and
// colours are texts that must match exactly, letter case included.
bool AnyPaperUses(const PaperCatalog& catalog, int32_t kind, const std::u16string& value) {
    const int32_t weight = value == u"*" ? 0 : ReadLeadingInteger(value);
    const auto& papers = catalog.papers();
    return std::any_of(papers.begin(), papers.end(), [&](const PaperDefinition& paper) {
        switch (kind) {
            case kWeights:
                return paper.weight == weight;
            case kTypes:
                return paper.type == value;
            default:
                return paper.colour == value;
        }
    });
}

}  // namespace

void PaperEditor::TakeCatalogLists() {
    working = {catalog().GetAttributeList(kWeights), catalog().GetAttributeList(kTypes),
               catalog().GetAttributeList(kColours)};
}

// A typed weight outside the range goes back to the shown paper's (0, the wildcard, is allowed).
bool PaperEditor::WeightRefused() {
    if (!changed.weight || fields.weight == 0 || IsWeightInRange(fields.weight))
        return false;
    fields.weight = catalog().GetWeight(selected);
    return true;
}

EditOutcome PaperEditor::Modify() {
    if (fields.colour.empty() || fields.type.empty() || fields.weight == -1)
        return EditOutcome::kInvalidModify;
    // The name identifies the paper to change; a typed name of another or no paper is not a rename.
    if (changed.name && catalog().FindPaper(fields.name) != selected)
        return EditOutcome::kIgnored;
    if (WeightRefused()) {
        changed.weight = false;
        return EditOutcome::kWeightOutOfRange;
    }
    const bool modified =
        catalog().ModifyPaper(fields.name, fields.sizeIndex, fields.colour, fields.weight,
                              fields.type, fields.mode, fields.precollated);
    if (modified)
        changes().paperChanged = true;
    changed = {};
    return modified ? EditOutcome::kDone : EditOutcome::kModifyFailed;
}

PaperEditor::AddResult PaperEditor::Add() {
    if (!changed.name) {
        const bool typedAny = changed.weight || changed.colour || changed.type;
        if (!typedAny ||
            (Contains(working.weights, WeightListText(fields.weight)) &&
             Contains(working.types, fields.type) && Contains(working.colours, fields.colour)))
            return {EditOutcome::kNothingChanged};
    }
    if (WeightRefused())
        return {EditOutcome::kWeightOutOfRange};
    if (!changed.name)
        return {EditOutcome::kDone, true};
    // A refused name or attribute is forgotten, so that the next Add without a new name adds
    // attribute values instead of repeating this refusal.
    if (catalog().FindPaper(fields.name) >= 0) {
        changed.name = false;
        return {EditOutcome::kNameInUse};
    }
    if (fields.name.empty() || fields.colour.empty() || fields.type.empty() ||
        fields.weight == -1) {
        changed.name = false;
        return {EditOutcome::kInvalidPaper};
    }
    if (!catalog().AddPaper(fields.name, fields.sizeIndex, fields.colour, fields.weight,
                            fields.type, fields.mode, fields.precollated))
        return {EditOutcome::kInvalidPaper};
    changes().paperAdded = true;
    changed = {};
    return {EditOutcome::kDone, false, catalog().FindPaper(fields.name)};
}

EditOutcome PaperEditor::CheckDeletePaper() const {
    if (fields.name == defaultMark.name)
        return EditOutcome::kDefaultNotDeletable;
    if (catalog().PaperCount() == 1)
        return EditOutcome::kLastPaper;
    // The held name may have been typed over the default paper's own; what is deleted is the
    // paper shown, so that is checked as well.
    if (catalog().GetDefaultIndex() >= 0 && catalog().GetDefaultIndex() == selected)
        return EditOutcome::kDefaultNotDeletable;
    if (selected >= catalog().PaperCount())
        return EditOutcome::kSelectPaperFirst;
    return EditOutcome::kDone;
}

EditOutcome PaperEditor::DeletePaper(bool& defaultLost) {
    const bool removed = catalog().DeletePaper(selected);
    // The catalog keeps the default as a position, which a delete before it shifts.
    defaultLost = !catalog().SetDefaultPaper(defaultMark.name) && selected < defaultMark.index;
    if (!removed)
        return EditOutcome::kDeleteFailed;
    changes().paperDeleted = true;
    return EditOutcome::kDone;
}

EditOutcome PaperEditor::SetDefault(bool checked) {
    if (!checked)
        return EditOutcome::kKeepDefault;
    if (catalog().GetDefaultPaper() == fields.name)
        return EditOutcome::kIgnored;
    if (!catalog().SetDefaultPaper(fields.name))
        return EditOutcome::kDefaultFailed;
    defaultMark = {fields.name, selected};
    changes().paperChanged = true;
    return EditOutcome::kDone;
}

// Only the paper on the shown row moves: a held name of another paper (typed into the name field)
// is refused like a move the catalog cannot make.
EditOutcome PaperEditor::Move(int32_t row, int direction) {
    defaultMark.name = catalog().GetDefaultPaper();
    if (catalog().FindPaper(fields.name) != row ||
        !catalog().MovePaper(fields.name, direction < 0 ? kCatalogMoveUp : kCatalogMoveDown))
        return EditOutcome::kMoveFailed;
    changes().papersReordered = true;
    catalog().SetDefaultPaper(defaultMark.name);  // the default stays on its paper
    return EditOutcome::kDone;
}

bool PaperEditor::AddValue(int32_t kind, const std::u16string& value) {
    working.Of(kind).push_back(value);
    changes().Attribute(kind) = true;
    return catalog().AddAttributeValue(kind, value);
}

EditOutcome PaperEditor::CheckDeleteValue(int32_t kind, const std::u16string& value) const {
    if (value == u"*")
        return EditOutcome::kWildcardNotDeletable;
    if (AnyPaperUses(catalog(), kind, value))
        return EditOutcome::kValueInUse;
    return EditOutcome::kDone;
}

void PaperEditor::DeleteValue(int32_t kind, const std::u16string& value) {
    AttributeList& list = working.Of(kind);
    if (const auto found = std::find(list.begin(), list.end(), value); found != list.end())
        list.erase(found);
    catalog().DeleteAttribute(kind, value);
    changes().Attribute(kind) = true;
}

}  // namespace sheetwise
