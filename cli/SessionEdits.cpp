#include "cli/SessionEdits.h"

#include <algorithm>
#include <string>

#include "cli/CheckFindings.h"
#include "cli/Console.h"
#include "formats/CharacterCheck.h"
#include "model/MessageIds.h"
#include "model/SizeList.h"
#include "model/WeightRange.h"

namespace sheetwise::cli {
namespace {

EditResult Refuse(SessionPrompts& prompts, int message, std::string details) {
    prompts.Tell({message::kError, message, std::move(details), {}});
    return EditResult::kRefused;
}

// Whether a unit stands for bytes of the command line that are no UTF-8: each such byte is kept
// as a lone surrogate U+DC80..U+DCFF, or was decoded as U+FFFD.
bool StandsForBadBytes(char16_t unit) {
    return unit == u'\uFFFD' || (unit >= 0xDC80 && unit <= 0xDCFF);
}

// Why a name or value given cannot be one: empty, not UTF-8, or a character no catalog can hold.
std::optional<std::string> TextProblem(const char* what, std::u16string_view text) {
    if (text.empty())
        return std::string(what) + " is empty";
    const std::optional<size_t> at = FirstDisallowed(text);
    if (!at)
        return std::nullopt;
    if (StandsForBadBytes(text[*at]))
        return std::string(what) + " " + Quoted(text) + " is not valid UTF-8 (at position " +
               std::to_string(*at + 1) + ")";
    return DisallowedMessage(what, text, *at);
}

// The paper of that name shown in the fields, or a refusal that says there is none.
bool ShowNamed(EditingSession& session, std::u16string_view name, SessionPrompts& prompts) {
    if (const auto problem = TextProblem("the name", name)) {
        Refuse(prompts, message::kPaperNameNotFound, *problem);
        return false;
    }
    const int32_t index = session.catalog().FindPaper(name);
    if (index < 0) {
        Refuse(prompts, message::kPaperNameNotFound, "no paper is named " + Quoted(name));
        return false;
    }
    session.ShowPaper(index);
    return true;
}

EditResult Outcome(const EditingSession& session, EditOutcome outcome, uint64_t revisionBefore) {
    switch (outcome) {
        case EditOutcome::kDone:
            return session.document().revision() != revisionBefore ? EditResult::kChanged
                                                                   : EditResult::kUnchanged;
        case EditOutcome::kIgnored:
            return EditResult::kUnchanged;
        default:
            return EditResult::kRefused;
    }
}

// The size a size number or text stands for, as the sizes list offers it.
std::optional<int32_t> FindSize(const EditingSession& session, std::u16string_view text) {
    const auto& sizes = session.catalog().sizes();
    if (text.find_first_not_of(u"0123456789") == std::u16string_view::npos) {
        const std::u16string_view digits =
            text.substr(std::min(text.find_first_not_of(u'0'), text.size()));
        if (digits.empty() || digits.size() > 9)
            return std::nullopt;
        const size_t number = std::stoul(Utf8(digits));
        return number <= sizes.size() ? std::optional<int32_t>(int32_t(number) - 1) : std::nullopt;
    }
    for (const SizeListItem& item : session.SizeItems()) {
        if (item.text == text)
            return item.sizeIndex;
    }
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i].text == text)
            return static_cast<int32_t>(i);
    }
    return std::nullopt;
}

std::string NoSuchSize(const EditingSession& session, std::u16string_view text) {
    const size_t count = session.catalog().sizes().size();
    std::string sizes = count == 0 ? "it has none" : "sizes 1 to " + std::to_string(count);
    if (count > 0)
        sizes += ", or a size as the sizes list shows it, such as " + Quoted(session.SizeText(0));
    return "the catalog has no size " + Quoted(text) + " (" + sizes + ")";
}

// Types and chooses the values given, as an operator fills the fields; `refusal` is the
// message of the command the fields are for.
bool FillFields(EditingSession& session, const FieldValues& values, int refusal,
                SessionPrompts& prompts) {
    if (values.size) {
        const std::optional<int32_t> size = FindSize(session, *values.size);
        if (!size) {
            Refuse(prompts, refusal, NoSuchSize(session, *values.size));
            return false;
        }
        session.ChooseSize(*size);
    }
    if (values.weight && !IsWeightText(*values.weight)) {
        Refuse(prompts, refusal,
               "the weight " + Quoted(*values.weight) + " is no whole number of gsm, nor *");
        return false;
    }
    const struct {
        const std::optional<std::u16string>& text;
        const char* what;
        FieldEdit (EditingSession::*edit)(std::u16string_view);
    } texts[] = {{values.weight, "the weight", &EditingSession::EditWeight},
                 {values.colour, "the colour", &EditingSession::EditColour},
                 {values.type, "the type", &EditingSession::EditType}};
    for (const auto& field : texts) {
        if (!field.text)
            continue;
        if (const auto problem = TextProblem(field.what, *field.text)) {
            Refuse(prompts, refusal, *problem);
            return false;
        }
        (session.*field.edit)(*field.text);
    }
    if (values.sides)
        session.SetMode(*values.sides);
    if (values.precollated)
        session.SetPrecollated(*values.precollated);
    return true;
}

// Whether the paper that Add would store from the fields is there already, with the
// values a save writes.
bool InPlaceAlready(const EditingSession& session) {
    const PaperFields& fields = session.fields();
    PaperDefinition wanted;
    if (session.catalog().MakePaper(fields.name, fields.sizeIndex, fields.colour, fields.weight,
                                    fields.type, fields.mode, fields.precollated,
                                    wanted) != kStatusOk)
        return false;
    PaperDefinition present;
    return session.catalog().GetPaper(session.catalog().FindPaper(wanted.name), present) &&
           SameStoredValues(present, wanted);
}

EditResult Add(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    if (const auto problem = TextProblem("the name", edit.name))
        return Refuse(prompts, message::kInvalidPaper, *problem);
    const uint64_t before = session.document().revision();
    session.EditName(edit.name, true);
    // A new paper is printed on both sides and not precollated unless told otherwise, whatever
    // the paper shown.
    session.SetMode(kTwoSided);
    session.SetPrecollated(false);
    if (!FillFields(session, edit.fields, message::kInvalidPaper, prompts))
        return EditResult::kRefused;
    if (InPlaceAlready(session))
        return EditResult::kUnchanged;
    return Outcome(session, session.Add(prompts), before);
}

EditResult Modify(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    const uint64_t before = session.document().revision();
    if (!ShowNamed(session, edit.name, prompts) ||
        !FillFields(session, edit.fields, message::kInvalidModify, prompts))
        return EditResult::kRefused;
    return Outcome(session, session.Modify(prompts), before);
}

EditResult Rename(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    if (const auto problem = TextProblem("the new name", edit.newName))
        return Refuse(prompts, message::kInvalidNewName, *problem);
    const PaperCatalog& catalog = session.catalog();
    const std::u16string_view newName = std::u16string_view(edit.newName).substr(0, kMaxNameLength);
    if (!TextProblem("the name", edit.name) && catalog.FindPaper(edit.name) < 0 &&
        catalog.FindPaper(newName) >= 0)
        return EditResult::kUnchanged;
    const uint64_t before = session.document().revision();
    if (!ShowNamed(session, edit.name, prompts))
        return EditResult::kRefused;
    return Outcome(session, session.Rename(edit.newName, prompts), before);
}

EditResult Delete(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    if (const auto problem = TextProblem("the name", edit.name))
        return Refuse(prompts, message::kPaperNameNotFound, *problem);
    if (session.catalog().FindPaper(edit.name) < 0)
        return EditResult::kUnchanged;
    const uint64_t before = session.document().revision();
    ShowNamed(session, edit.name, prompts);
    return Outcome(session, session.DeletePaper(prompts), before);
}

EditResult Move(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    const uint64_t before = session.document().revision();
    if (!ShowNamed(session, edit.name, prompts))
        return EditResult::kRefused;
    if (edit.step != 0)
        return Outcome(session, session.Move(edit.step, prompts), before);
    const int32_t count = session.catalog().PaperCount();
    const int32_t target = edit.position - 1;
    if (target < 0 || target >= count)
        return Refuse(
            prompts,
            target < session.selected() ? message::kMoveUpFailed : message::kMoveDownFailed,
            "there is no position " + std::to_string(edit.position) +
                ": the catalog has papers at 1 to " + std::to_string(count));
    return Outcome(session, session.MoveTo(target, prompts), before);
}

EditResult SetDefault(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    const uint64_t before = session.document().revision();
    if (!ShowNamed(session, edit.name, prompts))
        return EditResult::kRefused;
    return Outcome(session, session.SetDefault(true, prompts), before);
}

int AddValueRefusal(int32_t kind) {
    return kind == kWeights ? message::kWeightNotAdded
           : kind == kTypes ? message::kTypeNotAdded
                            : message::kColourNotAdded;
}

// Why a value given for a list cannot be one of its values.
std::optional<std::string> ValueProblem(int32_t kind, std::u16string_view value) {
    if (kind != kWeights)
        return TextProblem(kind == kTypes ? "the type" : "the colour", value);
    if (IsWeightText(value))
        return std::nullopt;
    return "the weight " + Quoted(value) + " is no whole number of gsm, nor *";
}

// Types the value into its field and presses Add with the name untouched: the value joins its
// list.
EditResult AddValue(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    if (const auto problem = ValueProblem(edit.valueKind, edit.value))
        return Refuse(prompts, AddValueRefusal(edit.valueKind), *problem);
    const uint64_t before = session.document().revision();
    std::u16string listed = edit.value;
    switch (edit.valueKind) {
        case kWeights:
            session.EditWeight(edit.value);
            listed = WeightListText(session.fields().weight);
            break;
        case kTypes:
            session.EditType(edit.value);
            break;
        default:
            session.EditColour(edit.value);
            break;
    }
    const AttributeList& list = session.catalog().GetAttributeList(edit.valueKind);
    if (std::find(list.begin(), list.end(), listed) != list.end())
        return EditResult::kUnchanged;
    return Outcome(session, session.Add(prompts), before);
}

// The value's place in its list: the same text, or for a weight the same number as the weights
// list writes it ("090" is "90").
std::optional<int32_t> FindValue(const AttributeList& list, int32_t kind,
                                 std::u16string_view value) {
    auto found = std::find(list.begin(), list.end(), value);
    if (found == list.end() && kind == kWeights && IsWeightText(value) && value != u"*") {
        const std::u16string_view digits =
            value.substr(std::min(value.find_first_not_of(u'0'), value.size() - 1));
        found = std::find(list.begin(), list.end(), digits);
    }
    if (found == list.end())
        return std::nullopt;
    return static_cast<int32_t>(found - list.begin());
}

EditResult DeleteValue(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    // No list holds such a value, and the window has no message for selecting what is not
    // there: the tool says why itself.
    if (const auto problem = ValueProblem(edit.valueKind, edit.value)) {
        prompts.Tell({message::kError, 0, {}, *problem});
        return EditResult::kRefused;
    }
    const std::optional<int32_t> position =
        FindValue(session.catalog().GetAttributeList(edit.valueKind), edit.valueKind, edit.value);
    if (!position)
        return EditResult::kUnchanged;
    const uint64_t before = session.document().revision();
    return Outcome(session, session.DeleteValue(edit.valueKind, *position, prompts), before);
}

}  // namespace

EditResult MakeEdit(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts) {
    // Each edit starts from the panel as showing a paper leaves it: nothing typed yet.
    session.ShowPaper(std::max(session.selected(), 0));
    switch (edit.kind) {
        case EditKind::kAdd:
            return Add(session, edit, prompts);
        case EditKind::kModify:
            return Modify(session, edit, prompts);
        case EditKind::kRename:
            return Rename(session, edit, prompts);
        case EditKind::kDelete:
            return Delete(session, edit, prompts);
        case EditKind::kMove:
            return Move(session, edit, prompts);
        case EditKind::kSetDefault:
            return SetDefault(session, edit, prompts);
        case EditKind::kAddValue:
            return AddValue(session, edit, prompts);
        case EditKind::kDeleteValue:
            return DeleteValue(session, edit, prompts);
    }
    return EditResult::kRefused;
}

}  // namespace sheetwise::cli
