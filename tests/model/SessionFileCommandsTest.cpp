// The File menu on a session, without a window: which catalog it holds afterwards, what it writes,
// and the questions that keep unsaved work from being lost.
#include <sys/stat.h>

#include <unistd.h>

#include <filesystem>
#include <functional>

#include "model/MessageIds.h"
#include "model/SessionFixture.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

using namespace testing;

class SessionFilesTest : public SessionTest {
  protected:
    // A change to the catalog file and one to the attribute file.
    void MakeChanges() {
        session->ShowPaper(0);
        ASSERT_EQ(session->Move(+1, prompts), EditOutcome::kDone);
        session->EditColour(u"mauve");
        ASSERT_EQ(session->Add(prompts), EditOutcome::kDone);
    }
    std::string File(const std::string& name) { return ReadBytes(dir.File(name)); }
    // The owner's write permission decides whether a file is written, also for root.
    void MakeReadOnly(const std::string& name) { chmod(dir.File(name).c_str(), 0444); }
};

TEST_F(SessionFilesTest, SaveWritesBothFilesAsksBeforeWritingOverOthersAndMarksTheStateSaved) {
    // Both files, even without changes, also when one has gone meanwhile.
    std::filesystem::remove(dir.File("test.cat"));
    EXPECT_EQ(session->Save(prompts), SaveResult::kSaved);
    EXPECT_EQ(File("test.cat"), catalog().FileBytes());
    MakeChanges();
    EXPECT_TRUE(session->document().Unsaved());
    EXPECT_EQ(session->Save(prompts), SaveResult::kSaved);
    EXPECT_EQ(File("test.cat"), catalog().FileBytes());
    EXPECT_NE(File("test.cat.atr").find("\nmauve\n"), std::string::npos);
    EXPECT_FALSE(session->document().Unsaved());
    // Undone past the save, the catalog differs from its files again; redone, it does not.
    ASSERT_TRUE(session->Undo());
    EXPECT_TRUE(session->document().AttributeFileUnsaved());
    EXPECT_FALSE(session->document().CatalogFileUnsaved());
    ASSERT_TRUE(session->Redo());
    EXPECT_FALSE(session->document().Unsaved());
    EXPECT_TRUE(session->Exit(prompts));
    EXPECT_TRUE(prompts.questions.empty());
    // Another step in place of the one saved: no step leads back to the saved state now.
    ASSERT_TRUE(session->Undo());
    session->EditColour(u"teal");
    ASSERT_EQ(session->Add(prompts), EditOutcome::kDone);
    EXPECT_TRUE(session->document().AttributeFileUnsaved());

    // Save asks before it writes over another writer's work.
    MakeChanges();
    WriteBytes(dir.File("theirs"), "Theirs:X\nX:1:75:white:plain:2:0\n");
    std::filesystem::rename(dir.File("theirs"), dir.File("test.cat"));
    prompts.answers = {Answer::kCancel};
    EXPECT_EQ(session->Save(prompts), SaveResult::kCancelled);
    EXPECT_EQ(File("test.cat"), "Theirs:X\nX:1:75:white:plain:2:0\n");
    EXPECT_EQ(prompts.questions.at(0).kind, Question::Kind::kOverwriteChanged);
    prompts.answers = {Answer::kYes};
    EXPECT_EQ(session->Save(prompts), SaveResult::kSaved);
    EXPECT_EQ(File("test.cat"), catalog().FileBytes());
    // No keeps their file and saves this catalog under another name.
    WriteBytes(dir.File("theirs"), "Theirs:X\n");
    std::filesystem::rename(dir.File("theirs"), dir.File("test.cat"));
    prompts.answers = {Answer::kNo};
    prompts.files = {dir.Wide("mine.cat")};
    EXPECT_EQ(session->Save(prompts), SaveResult::kSaved);
    EXPECT_EQ(File("test.cat") + File("mine.cat"), "Theirs:X\n" + catalog().FileBytes());
}

// Cancel keeps everything; No lets the changes go only with the catalog they belong to; Yes
// saves first, and a save that does not happen stops the command.
TEST_F(SessionFilesTest, TheUnsavedChangesQuestionGuardsEveryCommandThatReplacesTheCatalog) {
    MakeChanges();
    const std::string saved = File("test.cat");
    prompts.answers = {Answer::kCancel};
    session->New(prompts);
    EXPECT_EQ(session->document().path(), dir.Wide("test.cat"));
    EXPECT_EQ(prompts.LastQuestion().subject, dir.File("test.cat"));
    prompts.answers = {Answer::kNo};
    session->Open(prompts);  // the file choice is cancelled
    EXPECT_TRUE(session->document().Unsaved());
    prompts.answers = {Answer::kNo};
    prompts.files = {dir.Wide("default.cat")};
    session->Open(prompts);
    EXPECT_EQ(session->document().path(), dir.Wide("default.cat"));
    EXPECT_EQ(File("test.cat"), saved);

    MakeChanges();
    MakeReadOnly("default.cat");
    prompts.answers = {Answer::kYes};
    EXPECT_FALSE(session->Exit(prompts));  // the save failed and its Save As was cancelled
    EXPECT_EQ(prompts.TakeMessages(), std::vector<int>{message::kSaveCatalogFailed});
    EXPECT_TRUE(session->document().Unsaved());
    prompts.answers = {Answer::kYes};
    prompts.files = {dir.Wide("rescue.cat")};
    EXPECT_TRUE(session->Exit(prompts));
    EXPECT_EQ(File("rescue.cat"), catalog().FileBytes());
    EXPECT_EQ(session->document().path(), dir.Wide("rescue.cat"));
    // Yes writes only the file that changed.
    session->EditColour(u"teal");
    ASSERT_EQ(session->Add(prompts), EditOutcome::kDone);
    std::filesystem::remove(dir.File("rescue.cat"));
    prompts.answers = {Answer::kYes};
    EXPECT_TRUE(session->Exit(prompts));
    EXPECT_FALSE(std::filesystem::exists(dir.File("rescue.cat")));
    EXPECT_NE(File("rescue.cat.atr").find("\nteal\n"), std::string::npos);
    // The answer holds for the whole command: a catalog that cannot be opened in its place
    // leaves the default catalog shown without a second question, and the edits unsaved.
    ASSERT_EQ(session->Move(+1, prompts), EditOutcome::kDone);
    Load(testing::kSessionPapers, "broken", "broken\n");
    prompts.answers = {Answer::kNo};
    prompts.files = {dir.Wide("broken.cat")};
    session->Open(prompts);
    EXPECT_EQ(prompts.LastNotice().message, message::kDefaultOpenedInstead);
    EXPECT_EQ(session->document().shownPath(), dir.Wide("default.cat"));
    EXPECT_FALSE(session->document().Unsaved());
    EXPECT_EQ(File("broken.cat.atr"), testing::kAttributes);
    EXPECT_FALSE(std::filesystem::exists(dir.File("rescue.cat")));
}

TEST_F(SessionFilesTest, SaveAsRefusesNamesThatLoseCompanionsAndAsksAboutOtherLetterCase) {
    WriteBytes(dir.File("Other.cat"), "keep");
    MakeChanges();
    // No to replacing "Other.cat" goes back to choosing, as does a name without an extension.
    prompts.files = {dir.Wide("OTHER.cat"), dir.Wide("plain"), dir.Wide("dir.x/name")};
    prompts.answers = {Answer::kNo};
    EXPECT_EQ(session->SaveAs(prompts), SaveResult::kCancelled);
    EXPECT_EQ(File("Other.cat"), "keep");
    EXPECT_FALSE(std::filesystem::exists(dir.File("OTHER.cat.atr")));
    EXPECT_EQ(prompts.LastQuestion().subject, dir.File("Other.cat"));
    EXPECT_EQ(prompts.TakeMessages(),
              (std::vector<int>{message::kCatalogNameUnusable, message::kCatalogNameUnusable}));
    EXPECT_EQ(prompts.choices.size(), 4u);
    EXPECT_TRUE(session->document().Unsaved());

    prompts.files = {dir.Wide("OTHER.cat")};
    prompts.answers = {Answer::kYes};
    EXPECT_EQ(session->SaveAs(prompts), SaveResult::kSaved);
    EXPECT_EQ(File("Other.cat"), catalog().FileBytes());
    EXPECT_FALSE(session->document().Unsaved());
    // Saved under a name, the history stays: the save can be undone.
    EXPECT_TRUE(session->Undo());

    // Where the new name has sizes of its own, the papers take them: the catalog is read back.
    WriteBytes(dir.File("sized.def"), "100:200:0:0:1:Own\n1:2:0:0:1:Second\n");
    prompts.files = {dir.Wide("sized.cat")};
    EXPECT_EQ(session->SaveAs(prompts), SaveResult::kSaved);
    EXPECT_EQ(catalog().papers()[0].name + u" " + catalog().papers()[1].name, u"A4_Cover Letter");
    EXPECT_EQ(catalog().papers()[0].width, 1.0f);  // the second size of its own
    EXPECT_EQ(catalog().papers()[1].width, 100.0f);
    EXPECT_FALSE(session->Undo());
}

// What a catalog that could not be opened, or read only in part, is told as: the file, and the
// system's reason where the system gave one.
TEST_F(SessionFilesTest, StartingShowsWhatCouldBeReadAndALoadThatFailsSaysWhichFileAndWhy) {
    // A catalog named at start-up that cannot be opened: the default one instead. One read only in
    // part is shown as read, untitled, so that only Save As writes it.
    EditingSession started;
    started.SetDefaultCatalog(dir.Wide("default.cat"));
    started.Start(dir.Wide("nowhere.cat"), prompts);
    EXPECT_EQ(prompts.TakeMessages(), std::vector<int>{message::kDefaultOpenedInstead});
    EXPECT_EQ(started.document().shownPath(), dir.Wide("default.cat"));
    EXPECT_TRUE(started.document().untitled());

    Load("Torn:B\nA:1:75:white:plain:2:0\nB:2:160:blue:cover:1:1\nC:1\n", "torn");
    started.Start(dir.Wide("torn.cat"), prompts);
    EXPECT_NE(prompts.notices.at(0).details.find("Save will ask for a new file name"),
              std::string::npos);
    EXPECT_EQ(prompts.TakeMessages(), std::vector<int>{message::kCatalogReadInPart});
    EXPECT_EQ(Names(started.catalog()), u"A B ");
    EXPECT_EQ(started.selected(), 1);
    EXPECT_TRUE(started.document().untitled());
    prompts.files = {};
    EXPECT_EQ(started.Save(prompts), SaveResult::kCancelled);
    EXPECT_EQ(prompts.choices, std::vector<FileChoice>{FileChoice::kSaveCatalogAs});

    const struct {
        const char* name;
        std::function<void()> damage;
        int message;
        std::string details;
    } cases[] = {
        {"missing", [] {}, message::kDefaultOpenedInstead, "missing.cat: no such file or folder"},
        {"folder", [this] { std::filesystem::create_directory(dir.File("folder.cat")); },
         message::kDefaultOpenedInstead, "folder.cat: is a folder"},
        {"sizes", [this] { WriteBytes(dir.File("sizes.DEF"), "broken\n"); },
         message::kCatalogNotRead, "sizes.DEF: a size line lacks a field"},
        {"attributes",
         [this] {
             std::filesystem::remove(dir.File("attributes.cat.atr"));
             std::filesystem::create_directory(dir.File("attributes.cat.atr"));
         },
         message::kCatalogNotRead, "attributes.cat.atr: is a folder"},
        {"gaps", [this] { WriteBytes(dir.File("gaps.cat"), "Gaps:A\nA:1:75\n"); },
         message::kCatalogReadInPart, "gaps.cat: a paper line lacks a field; such lines were"},
        {"bare",
         [this] {
             std::filesystem::remove(dir.File("bare.DEF"));
             std::filesystem::rename(dir.File("default.DEF"), dir.File("aside"));
         },
         message::kDefaultOpenedInstead, "bare.def is missing, and so is"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name) != "missing" && std::string(c.name) != "folder")
            Load(testing::kSessionPapers, c.name, testing::kSizes, testing::kSessionAttributes);
        c.damage();
        EditingSession started;
        started.SetDefaultCatalog(dir.Wide("default.cat"));
        started.Start(dir.Wide(std::string(c.name) + ".cat"), prompts);
        ASSERT_FALSE(prompts.notices.empty());
        EXPECT_EQ(prompts.notices.front().message, c.message);
        EXPECT_NE(prompts.notices.front().details.find(c.details), std::string::npos)
            << prompts.notices.front().details;
        prompts.notices.clear();
    }
    // Open of a file gone after the dialog keeps the catalog shown.
    prompts.files = {dir.Wide("gone.cat")};
    session->Open(prompts);
    EXPECT_EQ(prompts.TakeMessages(), std::vector<int>{message::kCatalogFilesProblem});
    EXPECT_EQ(session->document().path(), dir.Wide("test.cat"));
}

// Save As starts where the catalog lives, except for the installed default catalog, which is
// only ever read: then in the user's documents folder (an empty folder to the prompts). A catalog
// named relative to the current folder is shown by its full path.
TEST_F(SessionFilesTest, SaveAsStartsBesideTheCatalogButNeverTheDefaultAndSaysWhyItFails) {
    std::filesystem::create_directory(dir.File("installed"));
    for (const char* file : {"default.cat", "default.cat.atr", "default.DEF"})
        std::filesystem::copy_file(dir.File(file), dir.File(std::string("installed/") + file));
    session->SetDefaultCatalog(dir.Wide("installed/default.cat"));
    session->SaveAs(prompts);
    session->New(prompts);
    session->SaveAs(prompts);
    EXPECT_EQ(prompts.folders, (std::vector<std::string>{dir.path() + "/", ""}));

    const std::string before = CurrentFolder();
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    EditingSession started;
    started.SetDefaultCatalog(dir.Wide("default.cat"));
    started.Start(u"test.cat", prompts);
    ASSERT_EQ(chdir(before.c_str()), 0);
    EXPECT_EQ(started.document().shownPath(),
              dir.Wide("").substr(0, dir.Wide("").size() - 1) + u"/test.cat");

    // What a Save As that cannot write says: which file and why. The owner's permission decides,
    // also for root.
    WriteBytes(dir.File("locked.cat"), "keep me");
    MakeReadOnly("locked.cat");
    std::filesystem::create_directory(dir.File("shelf"));
    chmod(dir.File("shelf").c_str(), 0555);
    const std::pair<const char*, const char*> cases[] = {
        {"locked.cat", "locked.cat: the file is read-only."},
        {"shelf/new.cat", "shelf/new.cat: permission denied."},
        {"gone/new.cat", "gone/new.cat: no such file or folder."}};
    for (const auto& [name, why] : cases) {
        prompts.files = {dir.Wide(name)};
        EXPECT_EQ(session->SaveAs(prompts), SaveResult::kFailed);
        ASSERT_EQ(prompts.notices.size(), 1u);
        EXPECT_EQ(prompts.notices[0].message, message::kSaveAsCatalogFailed);
        EXPECT_NE(prompts.notices[0].details.find(why), std::string::npos)
            << prompts.notices[0].details;
        prompts.notices.clear();
    }
    EXPECT_EQ(File("locked.cat"), "keep me");
    EXPECT_FALSE(std::filesystem::exists(dir.File("locked.cat.atr")));
}

}  // namespace
}  // namespace sheetwise
