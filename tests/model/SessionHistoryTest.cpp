// The history as a state machine on a session: every step undone gives back the catalog a save
// would write before it, and the paper shown; redo makes it again; a new step drops the redo.
#include <functional>

#include "model/SessionFixture.h"

namespace sheetwise {
namespace {

using testing::SessionTest;

TEST_F(SessionTest, EveryStepUndoneGivesBackTheBytesAndThePaperShownBeforeIt) {
    // Each command: what the operator does before it, and the command itself.
    const std::pair<std::function<void()>, std::function<void()>> commands[] = {
        {[this] { session->ShowPaper(0), session->EditWeight(u"90"); },
         [this] { session->Modify(prompts); }},
        {[this] { session->EditName(u"New", true); }, [this] { session->Add(prompts); }},
        {[this] { session->ShowPaper(0); }, [this] { session->Move(+1, prompts); }},
        {[this] { session->ShowPaper(2); }, [this] { session->SetDefault(true, prompts); }},
        {[this] { session->EditType(u"matte"); }, [this] { session->Add(prompts); }},
        {[this] { prompts.answers = {Answer::kYes}; },
         [this] { session->DeleteValue(kTypes, Position(kTypes, u"glossy"), prompts); }},
        {[this] { session->ShowPaper(1), prompts.answers = {Answer::kYes}; },
         [this] { session->DeletePaper(prompts); }},
        {[this] { session->ShowPaper(0); }, [this] { session->Rename(u"Renamed", prompts); }},
        {[this] { session->ShowPaper(1); }, [this] { session->Duplicate(prompts); }},
        {[this] { session->ShowPaper(0); }, [this] { session->MoveTo(2, prompts); }},
    };
    std::vector<std::string> bytes{SaveBytes()};
    std::vector<int32_t> before, after;
    for (const auto& [prepare, run] : commands) {
        prepare();
        before.push_back(session->selected());
        run();
        bytes.push_back(SaveBytes());
        after.push_back(session->selected());
    }
    EXPECT_EQ(session->document().history().size(), std::size(commands));
    for (size_t step = std::size(commands); step > 0; --step) {
        SCOPED_TRACE(step);
        ASSERT_TRUE(session->Undo());
        EXPECT_EQ(SaveBytes(), bytes[step - 1]);
        EXPECT_EQ(session->selected(), before[step - 1]);
    }
    EXPECT_FALSE(session->Undo());
    EXPECT_FALSE(session->document().Unsaved());
    for (size_t step = 1; step <= std::size(commands); ++step) {
        ASSERT_TRUE(session->Redo());
        EXPECT_EQ(SaveBytes(), bytes[step]);
        EXPECT_EQ(session->selected(), after[step - 1]);
    }
    EXPECT_FALSE(session->Redo());

    // A new step after an undo drops what could have been redone.
    session->Undo();
    session->ShowPaper(0);
    session->EditWeight(u"75");
    session->EditColour(u"ivory");
    session->Modify(prompts);
    EXPECT_FALSE(session->Redo());
    session->Undo();
    EXPECT_EQ(SaveBytes(), bytes[std::size(commands) - 1]);
}

// A history holds well over a thousand steps, saving keeps them, and a catalog opened or started
// afresh has none.
TEST_F(SessionTest, ThousandsOfStepsAreKeptUntilAnotherCatalogIsShown) {
    const std::string opened = SaveBytes();
    constexpr int kSteps = 1500;
    for (int step = 0; step < kSteps; ++step) {
        session->ShowPaper(step % 2);
        ASSERT_EQ(session->Move(step % 2 == 0 ? +1 : -1, prompts), EditOutcome::kDone);
    }
    session->ShowPaper(2);
    ASSERT_EQ(session->Rename(u"Last", prompts), EditOutcome::kDone);
    ASSERT_EQ(session->Save(prompts), SaveResult::kSaved);
    int undone = 0;
    while (session->Undo())
        ++undone;
    EXPECT_EQ(undone, kSteps + 1);
    EXPECT_EQ(SaveBytes(), opened);
    EXPECT_TRUE(session->document().Unsaved());  // the files hold the renamed catalog

    prompts.answers = {Answer::kNo};
    session->New(prompts);
    EXPECT_EQ(session->document().history().size(), 0u);
    session->EditColour(u"teal");
    ASSERT_EQ(session->Add(prompts), EditOutcome::kDone);
    prompts.answers = {Answer::kNo};
    prompts.files = {dir.Wide("test.cat")};
    session->Open(prompts);
    EXPECT_FALSE(session->Undo());
    EXPECT_EQ(catalog().GetName(2), u"Last");
}

}  // namespace
}  // namespace sheetwise
