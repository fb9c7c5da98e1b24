// The editing panel's commands: Add, Modify, Delete, the default paper, the moves, and the
// offered values. Each is one step of the history; each tells why it refuses.
//
// A catalog always offers every colour, weight and type its papers use: a paper that Add or
// Modify gives a value the lists lack adds the value to them in the same step, as opening a
// catalog does for the values its papers bring.
#include <algorithm>
#include <unordered_set>

#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "model/EditingSession.h"
#include "model/MessageIds.h"
#include "model/ValueUsage.h"
#include "model/WeightRange.h"
#include "platform/CodePage.h"

namespace sheetwise {
namespace {

bool Contains(const AttributeList& list, const std::u16string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

Notice Error(int message, std::string details = {}) {
    return {message::kError, message, std::move(details), {}};
}

int DeleteQuestion(int32_t kind) {
    return kind == kWeights ? message::kDeleteWeight
           : kind == kTypes ? message::kDeleteType
                            : message::kDeleteColour;
}

// Where the default paper stands once the paper at `from` has moved to `to` (to = -1: removed).
int32_t DefaultAfterMove(int32_t defaultIndex, int32_t from, int32_t to) {
    if (to < 0)
        return defaultIndex > from ? defaultIndex - 1 : defaultIndex;
    if (defaultIndex == from)
        return to;
    return defaultIndex == to ? from : defaultIndex;
}

}  // namespace

void EditingSession::AddValueIfMissing(CatalogDocument::Edit& edit, int32_t kind,
                                       const std::u16string& value) {
    const AttributeList& list = catalog().GetAttributeList(kind);
    if (value.empty() || Contains(list, value))
        return;
    edit.Make(ValueInserted{kind, static_cast<int32_t>(list.size()), value});
}

void EditingSession::CompleteLists(CatalogDocument::Edit& edit, const PaperDefinition& paper) {
    AddValueIfMissing(edit, kColours, paper.colour);
    AddValueIfMissing(edit, kWeights, WeightListText(paper.weight));
    AddValueIfMissing(edit, kTypes, paper.type);
}

// A typed weight outside the range goes back to the shown paper's (0, the wildcard, is allowed).
bool EditingSession::WeightRefused() {
    if (!changed_.weight || fields_.weight == 0 || IsWeightInRange(fields_.weight))
        return false;
    fields_.weight = catalog().GetWeight(selected_);
    return true;
}

EditOutcome EditingSession::Modify(SessionPrompts& prompts) {
    if (catalog().PaperCount() == 0) {
        prompts.Tell(Error(message::kNoPaperToModify));
        return EditOutcome::kNoPaper;
    }
    if (fields_.colour.empty() || fields_.type.empty() || fields_.weight == -1) {
        prompts.Tell({message::kError, message::kInvalidModify, {}, message::kInvalidModifyCopy});
        return EditOutcome::kInvalidModify;
    }
    // The name identifies the paper to change; a typed name of another or no paper is no rename.
    if (changed_.name && catalog().FindPaper(fields_.name) != selected_)
        return EditOutcome::kIgnored;
    if (WeightRefused()) {
        changed_.weight = false;
        prompts.Tell(Error(message::kWeightOutOfRange));
        return EditOutcome::kWeightOutOfRange;
    }
    PaperDefinition paper;
    const int32_t index = catalog().FindPaper(fields_.name);
    EditOutcome outcome = EditOutcome::kModifyFailed;
    if (index >= 0 &&
        catalog().MakePaper(fields_.name, fields_.sizeIndex, fields_.colour, fields_.weight,
                            fields_.type, fields_.mode, fields_.precollated, paper) == kStatusOk) {
        CatalogDocument::Edit edit(document_, EditAction::kModify, paper.name, selected_);
        const PaperDefinition& before = catalog().papers()[static_cast<size_t>(index)];
        if (!SameStoredValues(before, paper))
            edit.Make(PaperReplaced{index, before, paper});
        CompleteLists(edit, paper);
        edit.Commit(selected_);
        outcome = EditOutcome::kDone;
    } else {
        prompts.Tell(Error(message::kInvalidModify));
    }
    // Also after a refused change: the fields show what the catalog holds again.
    ShowPaper(selected_);
    return outcome;
}

EditOutcome EditingSession::Add(SessionPrompts& prompts) {
    if (!changed_.name) {
        const bool typedAny = changed_.weight || changed_.colour || changed_.type;
        if (!typedAny ||
            (Contains(catalog().GetAttributeList(kWeights), WeightListText(fields_.weight)) &&
             Contains(catalog().GetAttributeList(kTypes), fields_.type) &&
             Contains(catalog().GetAttributeList(kColours), fields_.colour))) {
            prompts.Tell(Error(message::kNothingChanged));
            return EditOutcome::kNothingChanged;
        }
    }
    if (WeightRefused()) {
        prompts.Tell(Error(message::kWeightOutOfRange));
        return EditOutcome::kWeightOutOfRange;
    }
    if (!changed_.name)
        return AddTypedValues();
    // A refused name or paper is forgotten, so that the next Add without a new name adds the
    // typed values instead of repeating this refusal.
    if (catalog().FindPaper(fields_.name) >= 0) {
        changed_.name = false;
        prompts.Tell(Error(message::kNameInUse));
        return EditOutcome::kNameInUse;
    }
    PaperDefinition paper;
    if (fields_.weight == -1 ||
        catalog().MakePaper(fields_.name, fields_.sizeIndex, fields_.colour, fields_.weight,
                            fields_.type, fields_.mode, fields_.precollated, paper) != kStatusOk ||
        catalog().FindPaper(paper.name) >= 0) {
        changed_.name = false;
        prompts.Tell(Error(message::kInvalidPaper));
        return EditOutcome::kInvalidPaper;
    }
    const int32_t index = catalog().PaperCount();
    CatalogDocument::Edit edit(document_, EditAction::kAdd, paper.name, selected_);
    edit.Make(PaperInserted{index, paper});
    CompleteLists(edit, paper);
    edit.Commit(index);
    ShowPaper(index);
    return EditOutcome::kDone;
}

// The typed weight, colour and type join their lists where they are new; no paper is given them,
// so that a following Modify can give them to the paper shown.
EditOutcome EditingSession::AddTypedValues() {
    std::vector<std::pair<int32_t, std::u16string>> values;
    std::u16string subject;
    const auto offer = [&](bool typed, int32_t kind, std::u16string value) {
        if (!typed || value.empty() || Contains(catalog().GetAttributeList(kind), value))
            return;
        subject += (subject.empty() ? u"" : u", ") + value;
        values.emplace_back(kind, std::move(value));
    };
    offer(changed_.weight, kWeights, WeightListText(fields_.weight));
    offer(changed_.colour, kColours, fields_.colour);
    offer(changed_.type, kTypes, fields_.type);
    CatalogDocument::Edit edit(document_, EditAction::kAddValues, subject, selected_);
    for (const auto& [kind, value] : values)
        AddValueIfMissing(edit, kind, value);
    edit.Commit(selected_);
    changed_ = {};
    return EditOutcome::kDone;
}

EditOutcome EditingSession::DeletePaper(SessionPrompts& prompts) {
    // The default paper is refused by the name held (the operator's idea of what is deleted)
    // and by the paper shown (what is).
    const int32_t defaultIndex = catalog().GetDefaultIndex();
    const bool namesDefault = defaultIndex >= 0 && fields_.name == catalog().GetDefaultPaper();
    if (namesDefault || (catalog().PaperCount() > 1 && ShownIsDefault())) {
        prompts.Tell(Error(message::kDefaultPaperNotDeletable));
        return EditOutcome::kDefaultNotDeletable;
    }
    if (catalog().PaperCount() == 1) {
        prompts.Tell(Error(message::kLastPaper));
        return EditOutcome::kLastPaper;
    }
    PaperDefinition paper;
    if (!catalog().GetPaper(selected_, paper)) {
        prompts.Tell(Error(message::kSelectPaperFirst));
        return EditOutcome::kSelectPaperFirst;
    }
    const Question question{Question::Kind::kDeletePaper, message::kDeletePaper,
                            Utf16ToUtf8(paper.name)};
    if (prompts.Ask(question) != Answer::kYes)
        return EditOutcome::kNotConfirmed;
    const int32_t deleted = selected_;
    CatalogDocument::Edit edit(document_, EditAction::kDelete, paper.name, deleted);
    edit.Make(PaperRemoved{deleted, paper});
    // The catalog keeps the default as a position: it follows its paper.
    const int32_t moved = DefaultAfterMove(defaultIndex, deleted, -1);
    if (moved != defaultIndex)
        edit.Make(DefaultChanged{defaultIndex, moved});
    // The paper that followed the deleted one is shown; after the last one, the new last one.
    const int32_t count = catalog().PaperCount();
    const int32_t shown = std::min(deleted, count - 1);
    edit.Commit(shown);
    ShowPaper(shown);
    return EditOutcome::kDone;
}

EditOutcome EditingSession::SetDefault(bool checked, SessionPrompts& prompts) {
    if (catalog().PaperCount() == 0)
        return EditOutcome::kIgnored;
    // There is always a default paper: it can be replaced, never removed.
    if (!checked) {
        prompts.Tell({message::kWarning, message::kChooseAnotherDefault, {}, {}});
        return EditOutcome::kKeepDefault;
    }
    if (catalog().GetDefaultPaper() == fields_.name)
        return EditOutcome::kIgnored;
    const int32_t index = catalog().FindPaper(fields_.name);
    if (index < 0) {
        prompts.Tell(Error(message::kDefaultPaperFailed));
        return EditOutcome::kDefaultFailed;
    }
    CatalogDocument::Edit edit(document_, EditAction::kDefaultPaper, fields_.name, selected_);
    edit.Make(DefaultChanged{catalog().GetDefaultIndex(), index});
    edit.Commit(selected_);
    return EditOutcome::kDone;
}

EditOutcome EditingSession::Move(int direction, SessionPrompts& prompts) {
    const int32_t target = selected_ + (direction < 0 ? -1 : 1);
    if (selected_ < 0 || target < 0 || target >= catalog().PaperCount())
        return EditOutcome::kIgnored;
    // Only the paper shown moves; a name typed over its own is not moved.
    if (catalog().FindPaper(fields_.name) != selected_) {
        prompts.Tell(Error(direction < 0 ? message::kMoveUpFailed : message::kMoveDownFailed));
        return EditOutcome::kMoveFailed;
    }
    const int32_t defaultIndex = catalog().GetDefaultIndex();
    CatalogDocument::Edit edit(document_,
                               direction < 0 ? EditAction::kMoveUp : EditAction::kMoveDown,
                               fields_.name, selected_);
    edit.Make(PapersSwapped{selected_, target});
    const int32_t moved = DefaultAfterMove(defaultIndex, selected_, target);
    if (moved != defaultIndex)
        edit.Make(DefaultChanged{defaultIndex, moved});
    edit.Commit(target);
    ShowPaper(target);
    return EditOutcome::kDone;
}

EditOutcome EditingSession::DeleteValue(int32_t kind, int32_t position, SessionPrompts& prompts) {
    const AttributeList& list = catalog().GetAttributeList(kind);
    if (position < 0 || position >= static_cast<int32_t>(list.size()))
        return EditOutcome::kIgnored;
    const std::u16string value = list[static_cast<size_t>(position)];
    if (value == u"*") {
        prompts.Tell(Error(message::kWildcardNotDeletable));
        return EditOutcome::kWildcardNotDeletable;
    }
    if (const ValueUse use = UseOf(catalog(), kind, value); use.papers > 0) {
        prompts.Tell(Error(message::kAttributeInUse, UsersText(use)));
        return EditOutcome::kValueInUse;
    }
    const Question question{Question::Kind::kDeleteValue, DeleteQuestion(kind), Utf16ToUtf8(value)};
    if (prompts.Ask(question) != Answer::kYes)
        return EditOutcome::kNotConfirmed;
    CatalogDocument::Edit edit(document_, EditAction::kDeleteValue, value, selected_);
    edit.Make(ValueRemoved{kind, position, value});
    edit.Commit(selected_);
    TakeNeighbourValue(kind, position);
    return EditOutcome::kDone;
}

// The value that takes the deleted one's place in its list (after the last one: the one before
// it) becomes the held value, as if chosen; an emptied list empties the field.
void EditingSession::TakeNeighbourValue(int32_t kind, int32_t position) {
    const AttributeList& list = catalog().GetAttributeList(kind);
    const int32_t count = static_cast<int32_t>(list.size());
    const int32_t next = position == count && position > 0 ? position - 1 : position;
    const std::u16string value = next < count ? list[static_cast<size_t>(next)] : u"";
    switch (kind) {
        case kWeights:
            EditWeight(value);
            return;
        case kTypes:
            EditType(value);
            return;
        default:
            EditColour(value);
            return;
    }
}

EditOutcome EditingSession::Rename(std::u16string_view newName, SessionPrompts& prompts) {
    PaperDefinition paper;
    if (!catalog().GetPaper(selected_, paper)) {
        prompts.Tell(Error(message::kSelectPaperFirst));
        return EditOutcome::kSelectPaperFirst;
    }
    const std::u16string name(newName.substr(0, kMaxNameLength));
    if (name == paper.name)
        return EditOutcome::kIgnored;
    if (name.empty() || !PassesCharacterCheck(name)) {
        prompts.Tell(Error(message::kInvalidNewName));
        return EditOutcome::kInvalidName;
    }
    if (catalog().FindPaper(name) >= 0) {
        prompts.Tell(Error(message::kNewNameInUse));
        return EditOutcome::kNameInUse;
    }
    CatalogDocument::Edit edit(document_, EditAction::kRename, paper.name, selected_);
    PaperDefinition renamed = paper;
    renamed.name = name;
    edit.Make(PaperReplaced{selected_, paper, renamed});
    edit.Commit(selected_);
    ShowPaper(selected_);
    return EditOutcome::kDone;
}

EditOutcome EditingSession::Duplicate(SessionPrompts& prompts) {
    PaperDefinition paper;
    if (!catalog().GetPaper(selected_, paper)) {
        prompts.Tell(Error(message::kSelectPaperFirst));
        return EditOutcome::kSelectPaperFirst;
    }
    std::u16string name;
    for (int number = 1; number <= kMaxUniqueNameNumber && name.empty(); ++number) {
        std::u16string candidate = UniqueNameCandidate(paper.name, number);
        if (catalog().FindPaper(candidate) < 0)
            name = std::move(candidate);
    }
    if (name.empty()) {
        prompts.Tell(Error(message::kNoNameForCopy));
        return EditOutcome::kNameInUse;
    }
    const int32_t index = selected_ + 1;
    const int32_t defaultIndex = catalog().GetDefaultIndex();
    CatalogDocument::Edit edit(document_, EditAction::kDuplicate, paper.name, selected_);
    PaperDefinition copy = paper;
    copy.name = name;
    copy.loadPosition = 0;
    edit.Make(PaperInserted{index, copy});
    // The papers after the copy moved down one place, the default among them.
    if (defaultIndex >= index)
        edit.Make(DefaultChanged{defaultIndex, defaultIndex + 1});
    edit.Commit(index);
    ShowPaper(index);
    return EditOutcome::kDone;
}

EditOutcome EditingSession::MoveTo(int32_t index, SessionPrompts& prompts) {
    PaperDefinition paper;
    if (!catalog().GetPaper(selected_, paper) || index < 0 || index >= catalog().PaperCount()) {
        prompts.Tell(Error(index < selected_ ? message::kMoveUpFailed : message::kMoveDownFailed));
        return EditOutcome::kMoveFailed;
    }
    if (index == selected_)
        return EditOutcome::kIgnored;
    const int32_t defaultIndex = catalog().GetDefaultIndex();
    CatalogDocument::Edit edit(document_,
                               index < selected_ ? EditAction::kMoveUp : EditAction::kMoveDown,
                               paper.name, selected_);
    edit.Make(PaperRemoved{selected_, paper});
    edit.Make(PaperInserted{index, paper});
    // The default stays on its paper: the one moved, or one the move shifted by a place.
    int32_t moved = defaultIndex;
    if (defaultIndex == selected_)
        moved = index;
    else if (selected_ < defaultIndex && defaultIndex <= index)
        moved = defaultIndex - 1;
    else if (index <= defaultIndex && defaultIndex < selected_)
        moved = defaultIndex + 1;
    if (moved != defaultIndex)
        edit.Make(DefaultChanged{defaultIndex, moved});
    edit.Commit(index);
    ShowPaper(index);
    return EditOutcome::kDone;
}

bool EditingSession::AppendPapers(EditAction action, std::u16string subject,
                                  const std::vector<PaperDefinition>& papers,
                                  const std::vector<std::pair<int32_t, std::u16string>>& values) {
    const int32_t first = catalog().PaperCount();
    CatalogDocument::Edit edit(document_, action, std::move(subject), selected_);
    for (const PaperDefinition& paper : papers) {
        edit.Make(PaperInserted{catalog().PaperCount(), paper});
        CompleteLists(edit, paper);
    }
    for (const auto& [kind, value] : values)
        AddValueIfMissing(edit, kind, value);
    if (edit.empty())
        return false;
    const int32_t shown = papers.empty() ? selected_ : first;
    edit.Commit(shown);
    ShowPaper(shown);
    return true;
}

}  // namespace sheetwise
