// The editing panel's rules on a session, without a window: what each command does to the
// catalog, to the values held for the fields and to the unsaved mark, and what it tells.
#include <functional>

#include "model/MessageIds.h"
#include "model/SessionFixture.h"

namespace sheetwise {
namespace {

using testing::SessionTest;

// Each command on a session fresh from its file: which of the two files it leaves unsaved, and
// what it says. A refused command changes nothing; deleting an offered value changes the
// attribute file only.
TEST_F(SessionTest, EachCommandMarksUnsavedExactlyTheFileItChanged) {
    using S = EditingSession;
    using P = testing::ScriptedPrompts;
    using enum EditOutcome;
    namespace m = message;
    const auto yes = [](P& p) { p.answers = {Answer::kYes}; };
    const struct {
        const char* what;
        EditOutcome outcome;
        bool catalogFile, attributeFile;
        int told;  // the message told, 0 for none
        std::function<EditOutcome(S&, P&)> run;
    } cases[] = {
        {"Modify with an offered weight", kDone, true, false, 0,
         [](S& s, P& p) { return s.EditWeight(u"160"), s.Modify(p); }},
        {"Modify with a new colour, which the lists take in", kDone, true, true, 0,
         [](S& s, P& p) { return s.EditColour(u"mauve"), s.Modify(p); }},
        {"Modify that changes nothing", kDone, false, false, 0,
         [](S& s, P& p) { return s.Modify(p); }},
        {"Modify without a weight", kInvalidModify, false, false, m::kInvalidModify,
         [](S& s, P& p) { return s.EditWeight(u""), s.Modify(p); }},
        {"Modify with a weight out of range", kWeightOutOfRange, false, false, m::kWeightOutOfRange,
         [](S& s, P& p) { return s.EditWeight(u"201"), s.Modify(p); }},
        {"Add a paper", kDone, true, false, 0,
         [](S& s, P& p) { return s.EditName(u"New", true), s.Add(p); }},
        {"Add a paper whose name is taken", kNameInUse, false, false, m::kNameInUse,
         [](S& s, P& p) { return s.EditName(u"Letter", true), s.Add(p); }},
        {"Add a typed value", kDone, false, true, 0,
         [](S& s, P& p) { return s.EditColour(u"mauve"), s.Add(p); }},
        {"Add nothing new", kNothingChanged, false, false, m::kNothingChanged,
         [](S& s, P& p) { return s.EditColour(u"ivory"), s.Add(p); }},
        {"Delete a paper", kDone, true, false, 0,
         [&](S& s, P& p) { return yes(p), s.DeletePaper(p); }},
        {"Delete a paper, answered No", kNotConfirmed, false, false, 0,
         [](S& s, P& p) { return p.answers = {Answer::kNo}, s.DeletePaper(p); }},
        {"Delete the default paper", kDefaultNotDeletable, false, false,
         m::kDefaultPaperNotDeletable, [](S& s, P& p) { return s.ShowPaper(1), s.DeletePaper(p); }},
        {"Make the paper shown the default", kDone, true, false, 0,
         [](S& s, P& p) { return s.SetDefault(true, p); }},
        {"Clear the default box", kKeepDefault, false, false, m::kChooseAnotherDefault,
         [](S& s, P& p) { return s.ShowPaper(1), s.SetDefault(false, p); }},
        {"Move down", kDone, true, false, 0, [](S& s, P& p) { return s.Move(+1, p); }},
        {"Move the first paper up", kIgnored, false, false, 0,
         [](S& s, P& p) { return s.Move(-1, p); }},
        {"Delete an unused value", kDone, false, true, 0,
         [&](S& s, P& p) { return yes(p), s.DeleteValue(kTypes, Position(kTypes, u"glossy"), p); }},
        {"Delete a value a paper uses", kValueInUse, false, false, m::kAttributeInUse,
         [&](S& s, P& p) { return s.DeleteValue(kWeights, Position(kWeights, u"75"), p); }},
        {"Delete the wildcard", kWildcardNotDeletable, false, false, m::kWildcardNotDeletable,
         [](S& s, P& p) { return s.DeleteValue(kColours, 0, p); }},
    };
    for (const auto& step : cases) {
        SCOPED_TRACE(step.what);
        Open(testing::kSessionPapers);
        session->ShowPaper(0);
        EXPECT_EQ(step.run(*session, prompts), step.outcome);
        EXPECT_EQ(session->document().CatalogFileUnsaved(), step.catalogFile);
        EXPECT_EQ(session->document().AttributeFileUnsaved(), step.attributeFile);
        EXPECT_EQ(prompts.TakeMessages(),
                  step.told == 0 ? std::vector<int>{} : std::vector<int>{step.told});
    }
}

TEST_F(SessionTest, ModifyChangesThePaperShownAndThenShowsWhatTheCatalogHolds) {
    // A paper read further down the file, typed over with the values it already has: no step.
    session->ShowPaper(2);
    session->EditType(u"tab");
    ASSERT_EQ(session->Modify(prompts), EditOutcome::kDone);
    EXPECT_FALSE(session->document().Unsaved());
    EXPECT_FALSE(session->Undo());
    EXPECT_EQ(catalog().papers()[2].loadPosition, 2);

    session->ShowPaper(0);
    session->ChooseSize(1);
    session->EditColour(u"mauve");
    session->EditWeight(u"90");
    session->SetMode(kOneSided);
    session->SetPrecollated(true);
    EXPECT_EQ(catalog().papers()[0].weight, 75);  // nothing reaches the catalog before Modify
    ASSERT_EQ(session->Modify(prompts), EditOutcome::kDone);
    EXPECT_EQ(catalog().papers()[0],
              (PaperDefinition{u"Letter", 1, 210, 297, 90, u"mauve", 7, u"plain", 0, 1, 1, 0}));
    // The values the paper uses that the lists lacked, in the order the paper list shows them.
    EXPECT_EQ(catalog().GetAttributeList(kColours).back(), u"mauve");
    EXPECT_EQ(catalog().GetAttributeList(kWeights).back(), u"90");
    EXPECT_EQ(session->changed(), FieldChangeFlags{});
    EXPECT_FALSE(session->HasModification());

    // A refused weight goes back to the paper's; a refused change shows the paper again.
    session->EditWeight(u"59");
    EXPECT_TRUE(session->HasModification());
    EXPECT_EQ(session->Modify(prompts), EditOutcome::kWeightOutOfRange);
    EXPECT_EQ(session->fields().weight, 90);
    session->EditWeight(u"0");
    EXPECT_EQ(session->Modify(prompts), EditOutcome::kDone);
    EXPECT_EQ(catalog().papers()[0].weight, 0);
    // A typed name of another paper, or of none, renames nothing, and says nothing.
    for (const char16_t* name : {u"Tab_Stock", u"Zed"}) {
        session->EditName(name, true);
        session->EditType(u"cover");
        EXPECT_EQ(session->Modify(prompts), EditOutcome::kIgnored);
    }
    // A paper the catalog refuses (no name) is not made, and the paper is shown again.
    session->EditName(u"", true);
    EXPECT_EQ(session->Modify(prompts), EditOutcome::kModifyFailed);
    EXPECT_EQ(session->fields().name, u"Letter");
    EXPECT_EQ(Names(catalog()), u"Letter A4_Cover Tab_Stock ");
    EXPECT_EQ(catalog().papers()[0].type, u"plain");
    EXPECT_EQ(prompts.TakeMessages(),
              (std::vector<int>{message::kWeightOutOfRange, message::kInvalidModify}));
}

TEST_F(SessionTest, AddMakesANewPaperOrOffersTheTypedValues) {
    session->ShowPaper(1);  // A4_Cover, precollated
    // A name typed over the shown paper's makes a paper that is not precollated.
    session->EditName(u"Heavy_Cover", true);
    EXPECT_EQ(session->fields().precollated, 0);
    session->EditWeight(u"250");
    EXPECT_EQ(session->Add(prompts), EditOutcome::kWeightOutOfRange);
    EXPECT_EQ(session->fields().weight, 160);
    EXPECT_TRUE(session->changed().name);  // the new name is still held
    session->EditWeight(u"200");
    ASSERT_EQ(session->Add(prompts), EditOutcome::kDone);
    EXPECT_EQ(catalog().papers()[3], (PaperDefinition{u"Heavy_Cover", 1, 210, 297, 200, u"blue", 5,
                                                      u"cover", 1, 1, 0, 0}));
    EXPECT_EQ(session->selected(), 3);
    EXPECT_EQ(catalog().GetAttributeList(kWeights).back(), u"200");

    // A refused name or paper is forgotten: the next Add without a new name offers values.
    session->EditName(u"Letter", true);
    EXPECT_EQ(session->Add(prompts), EditOutcome::kNameInUse);
    EXPECT_FALSE(session->changed().name);
    session->EditName(u"Nameless", true);
    session->EditType(u"");
    EXPECT_EQ(session->Add(prompts), EditOutcome::kInvalidPaper);
    EXPECT_FALSE(session->changed().name);
    session->EditType(u"matte");
    session->EditWeight(u"90");
    EXPECT_EQ(session->Add(prompts), EditOutcome::kDone);
    EXPECT_EQ(catalog().PaperCount(), 4);  // no paper: the values joined their lists
    EXPECT_EQ(catalog().GetAttributeList(kTypes).back(), u"matte");
    EXPECT_EQ(catalog().GetAttributeList(kWeights).back(), u"90");
    EXPECT_EQ(session->fields().type, u"matte");  // held for a following Modify
    EXPECT_EQ(prompts.TakeMessages(),
              (std::vector<int>{message::kWeightOutOfRange, message::kNameInUse,
                                message::kInvalidPaper}));
}

// The paper that followed the deleted one is shown, after the last one the new last one; the
// default stays on its paper wherever it moves.
TEST_F(SessionTest, DeleteShowsANeighbourAndKeepsTheDefaultOnItsPaper) {
    Open(
        "Five:D\nA:1:75:white:plain\nB:1:75:white:plain\nC:1:75:white:plain\n"
        "D:1:75:white:plain\nE:1:75:white:plain\n");
    const struct {
        int32_t shown;
        const char16_t* names;
        int32_t after;
    } steps[] = {{1, u"A C D E ", 1}, {3, u"A C D ", 2}, {0, u"C D ", 0}};
    for (const auto& step : steps) {
        session->ShowPaper(step.shown);
        prompts.answers = {Answer::kYes};
        ASSERT_EQ(session->DeletePaper(prompts), EditOutcome::kDone);
        EXPECT_EQ(Names(catalog()), step.names);
        EXPECT_EQ(session->selected(), step.after);
        EXPECT_EQ(catalog().GetDefaultPaper(), u"D");
    }
    EXPECT_EQ(prompts.questions.front().subject, "B");  // the question names the paper
    EXPECT_EQ(prompts.questions.front().message, message::kDeletePaper);
    // The default paper is refused by the paper shown and by the name held.
    session->ShowPaper(0);
    session->EditName(u"D", true);
    EXPECT_EQ(session->DeletePaper(prompts), EditOutcome::kDefaultNotDeletable);
    session->ShowPaper(1);
    EXPECT_EQ(session->DeletePaper(prompts), EditOutcome::kDefaultNotDeletable);
    Open("One:A\nA:1:75:white:plain\n");
    session->EditName(u"B", true);
    EXPECT_EQ(session->DeletePaper(prompts), EditOutcome::kLastPaper);
}

TEST_F(SessionTest, MovesTakeTheDefaultAlongAndOnlyThePaperShown) {
    session->ShowPaper(1);  // A4_Cover, the default
    ASSERT_EQ(session->Move(+1, prompts), EditOutcome::kDone);
    EXPECT_EQ(Names(catalog()), u"Letter Tab_Stock A4_Cover ");
    EXPECT_EQ(catalog().GetDefaultIndex(), 2);
    EXPECT_EQ(session->selected(), 2);
    EXPECT_EQ(session->Move(+1, prompts), EditOutcome::kIgnored);  // the last paper
    session->ShowPaper(2);
    ASSERT_EQ(session->Move(-1, prompts), EditOutcome::kDone);
    ASSERT_EQ(session->Move(-1, prompts), EditOutcome::kDone);
    EXPECT_EQ(Names(catalog()), u"A4_Cover Letter Tab_Stock ");
    EXPECT_EQ(catalog().GetDefaultIndex(), 0);
    // A name typed over the paper shown: the paper the name belongs to would move instead.
    session->ShowPaper(1);
    session->EditName(u"Tab_Stock", true);
    EXPECT_EQ(session->Move(+1, prompts), EditOutcome::kMoveFailed);
    EXPECT_EQ(Names(catalog()), u"A4_Cover Letter Tab_Stock ");
    EXPECT_EQ(prompts.TakeMessages(), std::vector<int>{message::kMoveDownFailed});
}

// A deleted value's place is taken by the next one (after the last: the one before), which the
// field then holds; an emptied list empties the field. A value in use is named with its papers.
TEST_F(SessionTest, DeletingAValueHoldsTheOneThatTakesItsPlace) {
    const auto remove = [this](int32_t kind, const std::u16string& value) {
        prompts.answers = {Answer::kYes};
        return session->DeleteValue(kind, Position(kind, value), prompts);
    };
    EXPECT_EQ(remove(kWeights, u"120"), EditOutcome::kDone);
    EXPECT_EQ(catalog().GetAttributeList(kWeights), (AttributeList{u"*", u"75", u"160"}));
    EXPECT_EQ(session->fields().weight, 160);
    EXPECT_EQ(remove(kTypes, u"glossy"), EditOutcome::kDone);
    EXPECT_EQ(session->fields().type, u"tab");
    EXPECT_EQ(prompts.LastQuestion().message, message::kDeleteType);
    EXPECT_EQ(prompts.LastQuestion().subject, "glossy");
    EXPECT_EQ(remove(kColours, u"blue"), EditOutcome::kValueInUse);
    EXPECT_EQ(prompts.LastNotice().details, "Used by A4_Cover.");

    Open("One:A\nA:1:75:white:plain\n", "one", "[PaperColors]\nwhite\nspare\n");
    session->ShowPaper(0);
    EXPECT_EQ(remove(kColours, u"spare"), EditOutcome::kDone);
    EXPECT_EQ(session->fields().colour, u"white");
    // An exact text decides: "White" is no paper's colour.
    Open("One:A\nA:1:75:white:plain\n", "two", "[PaperColors]\nWhite\n");
    EXPECT_EQ(catalog().GetAttributeList(kColours), (AttributeList{u"White", u"white"}));
    EXPECT_EQ(remove(kColours, u"White"), EditOutcome::kDone);
    EXPECT_EQ(catalog().GetAttributeList(kColours), AttributeList{u"white"});
}

TEST_F(SessionTest, FieldsTakeWhatACatalogCanHoldAndTheDefaultIsReplacedNeverRemoved) {
    // Only a name typed in its field unchecks Precollated.
    EXPECT_EQ(session->EditName(std::u16string(32, u'N'), false), FieldEdit::kTooLong);
    EXPECT_TRUE(session->changed().name);
    EXPECT_EQ(session->fields().precollated, 1);
    EXPECT_EQ(session->EditName(u"Two words", true), FieldEdit::kRefused);
    EXPECT_EQ(session->fields().precollated, 0);
    EXPECT_EQ(session->EditColour(u"dark:blue"), FieldEdit::kRefused);
    EXPECT_EQ(session->fields().name, std::u16string(32, u'N'));
    EXPECT_EQ(session->fields().colour, u"blue");
    // Counted in bytes of the ANSI code page (1252: one for an e acute).
    EXPECT_EQ(session->EditType(std::u16string(19, u'\u00e9')), FieldEdit::kTaken);
    EXPECT_EQ(session->EditType(std::u16string(20, u'\u00e9')), FieldEdit::kTooLong);
    session->EditWeight(u"*");
    EXPECT_EQ(session->fields().weight, 0);
    session->EditWeight(u"");
    EXPECT_EQ(session->fields().weight, -1);
    EXPECT_EQ(session->WeightFieldText(), u"");
    EXPECT_FALSE(session->changed().weight);
    // A size that stands for none of the catalog's cannot be chosen.
    session->ChooseSize(7);
    EXPECT_EQ(session->fields().sizeIndex, 1);
    session->ChooseValue(kWeights, u"120");
    EXPECT_EQ(session->fields().weight, 120);
    EXPECT_TRUE(session->changed().weight);

    // The default is replaced, never removed.
    session->ShowPaper(2);
    EXPECT_FALSE(session->ShownIsDefault());
    session->EditName(u"Nobody", true);
    EXPECT_EQ(session->SetDefault(true, prompts), EditOutcome::kDefaultFailed);
    session->ShowPaper(2);
    ASSERT_EQ(session->SetDefault(true, prompts), EditOutcome::kDone);
    EXPECT_EQ(catalog().GetDefaultPaper(), u"Tab_Stock");
    EXPECT_TRUE(session->ShownIsDefault());
    EXPECT_EQ(session->SetDefault(true, prompts), EditOutcome::kIgnored);
    EXPECT_EQ(session->SetDefault(false, prompts), EditOutcome::kKeepDefault);
    EXPECT_EQ(catalog().GetDefaultPaper(), u"Tab_Stock");
    EXPECT_EQ(prompts.LastNotice().caption, message::kWarning);
}

// Rename keeps the paper's place, its default status and every other value; Duplicate puts a
// copy named as an import names a taken name right after it; MoveTo takes the default along.
TEST_F(SessionTest, RenameDuplicateAndMoveToKeepEverythingButWhatTheyChange) {
    session->ShowPaper(1);  // A4_Cover, the default
    const PaperDefinition before = catalog().papers()[1];
    ASSERT_EQ(session->Rename(u"Cover_A4", prompts), EditOutcome::kDone);
    PaperDefinition renamed = before;
    renamed.name = u"Cover_A4";
    EXPECT_EQ(catalog().papers()[1], renamed);
    EXPECT_EQ(catalog().GetDefaultPaper(), u"Cover_A4");
    EXPECT_EQ(session->fields().name, u"Cover_A4");
    EXPECT_EQ(session->Rename(u"Letter", prompts), EditOutcome::kNameInUse);
    EXPECT_EQ(session->Rename(u"Two words", prompts), EditOutcome::kInvalidName);
    EXPECT_EQ(session->Rename(u"", prompts), EditOutcome::kInvalidName);
    EXPECT_EQ(prompts.TakeMessages(),
              (std::vector<int>{message::kNewNameInUse, message::kInvalidNewName,
                                message::kInvalidNewName}));

    session->ShowPaper(0);
    ASSERT_EQ(session->Duplicate(prompts), EditOutcome::kDone);
    ASSERT_EQ(session->Duplicate(prompts), EditOutcome::kDone);  // of the copy: Letter11
    EXPECT_EQ(Names(catalog()), u"Letter Letter1 Letter11 Cover_A4 Tab_Stock ");
    EXPECT_EQ(session->selected(), 2);
    EXPECT_EQ(catalog().GetDefaultPaper(), u"Cover_A4");
    PaperDefinition copy = catalog().papers()[0];
    copy.name = u"Letter11";
    EXPECT_EQ(catalog().papers()[2], copy);
    session->ShowPaper(0);
    ASSERT_EQ(session->Duplicate(prompts), EditOutcome::kDone);
    EXPECT_EQ(catalog().papers()[1].name, u"Letter2");

    session->ShowPaper(4);  // Cover_A4, the default
    ASSERT_EQ(session->MoveTo(0, prompts), EditOutcome::kDone);
    EXPECT_EQ(Names(catalog()), u"Cover_A4 Letter Letter2 Letter1 Letter11 Tab_Stock ");
    EXPECT_EQ(catalog().GetDefaultIndex(), 0);
    session->ShowPaper(1);
    ASSERT_EQ(session->MoveTo(5, prompts), EditOutcome::kDone);
    EXPECT_EQ(Names(catalog()), u"Cover_A4 Letter2 Letter1 Letter11 Tab_Stock Letter ");
    EXPECT_EQ(catalog().GetDefaultIndex(), 0);
    EXPECT_EQ(session->MoveTo(6, prompts), EditOutcome::kMoveFailed);
    session->ShowPaper(4);
    ASSERT_EQ(session->MoveTo(0, prompts), EditOutcome::kDone);  // past the default
    EXPECT_EQ(catalog().GetDefaultPaper(), u"Cover_A4");
    EXPECT_EQ(catalog().GetDefaultIndex(), 1);
}

}  // namespace
}  // namespace sheetwise
