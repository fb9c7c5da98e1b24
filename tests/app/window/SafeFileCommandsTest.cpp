// The ways an operator could lose a catalog through ordinary file commands, each closed: a file
// that was not read whole is never written over, cancelling a save cancels what waited on it,
// edits reach only their own catalog's files, and another writer's work is not silently replaced.
#include <filesystem>

#include "app/window/FileCommandFixture.h"
#include "import/ImportTestSupport.h"

namespace sheetwise {
namespace {

using namespace testing;

class SafeFileCommandTest : public FileCommandTest {
  protected:
    // The last box's text; fails the test when none was shown.
    QString LastText() {
        EXPECT_FALSE(ui.boxes.empty());
        return ui.boxes.empty() ? QString() : ui.boxes.back().text;
    }
};

TEST_F(SafeFileCommandTest, ACatalogThatWasNotReadWholeIsNeverSavedOverItself) {
    // A size line with too few fields (status 4): the papers are not even read.
    std::string sizes = DefaultFile(".DEF");
    sizes.insert(0, "broken:line\n");
    const std::string catalog = WriteCatalog("Real", kOfficeCatalog, sizes);
    MainDialog& window = StartWatching(catalog);
    ASSERT_EQ(ui.boxes.size(), 1u);
    // The box says which file, and that it stays as it is.
    EXPECT_TRUE(ui.boxes[0].details.contains(QString::fromStdString(dir.File("Real.def"))));
    EXPECT_TRUE(ui.boxes[0].details.contains(QStringLiteral("Save will ask for a new file name")));
    QTest::keyClick(window.Control(control::kPaperList), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_TRUE(ui.fileRequests[0].save);
    window.OnCommand(command::kExit);  // nothing was changed: no question
    EXPECT_EQ(closedWith, command::kExit);
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_EQ(ReadBytes(dir.File("Real.cat.atr")), DefaultFile(".CAT.atr"));
}

TEST_F(SafeFileCommandTest, SaveAsAsksBeforeReplacingAFileThatDiffersOnlyInCase) {
    MainDialog& window = StartWatching(WriteCatalog("Office", kOfficeCatalog));
    WriteBytes(dir.File("Plan.CAT"), "Plan:X\nX:1:75:white:plain:2:0\n");
    Choose(dir.File("Plan.cat"));
    Answer(BoxAnswer::kNo);
    window.OnCommand(command::kSaveAs);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::kYesNo);
    EXPECT_TRUE(ui.boxes[0].text.contains(QString::fromStdString(dir.File("Plan.CAT"))));
    EXPECT_EQ(ReadBytes(dir.File("Plan.CAT")), "Plan:X\nX:1:75:white:plain:2:0\n");
    EXPECT_EQ(window.workingPath(), dir.Wide("Office.cat"));

    Choose(dir.File("Plan.cat"));
    Answer(BoxAnswer::kYes);
    window.OnCommand(command::kSaveAs);
    EXPECT_EQ(ReadBytes(dir.File("Plan.CAT")), kOfficeCatalog);
    EXPECT_FALSE(std::filesystem::exists(dir.File("Plan.cat")));
}

TEST_F(SafeFileCommandTest, CancellingTheSaveThatAQuestionStartedCancelsTheCommand) {
    // Yes, the catalog cannot be written, Save As is cancelled: the window stays as it was.
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    MakePaperChange();
    MakeReadOnly(catalog);
    Answer(BoxAnswer::kYes);
    window.OnCommand(command::kExit);
    EXPECT_EQ(ui.TakeTexts(), (QStringList{kSaveChangesText, kSaveCatalogFailedText}));
    EXPECT_EQ(closedWith, 0);
    EXPECT_TRUE(window.changeFlags().AnyPaper());
    EXPECT_EQ(window.catalog().GetName(0), u"B");

    // An import is unsaved work too: leaving it asks, and a cancelled Save As keeps it.
    WriteBytes(dir.File("papers.ini"), ExampleImportFile());
    Answer(BoxAnswer::kNo);
    Choose(dir.File("papers.ini"));
    window.OnCommand(command::kImport);  // over unsaved edits: asked first
    EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveChangesText});
    ASSERT_TRUE(window.changeFlags().untitled);
    for (const int command : {command::kExit, command::kImport, command::kNew}) {
        Answer(BoxAnswer::kYes);
        window.OnCommand(command);
        EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveChangesText});
        EXPECT_EQ(closedWith, 0);
        EXPECT_EQ(window.catalog().GetName(0), u"Office");
        EXPECT_TRUE(window.changeFlags().untitled);
    }
    Answer(BoxAnswer::kNo);
    window.OnCommand(command::kExit);
    EXPECT_EQ(closedWith, command::kExit);
}

TEST_F(SafeFileCommandTest, AFailedAttributeWriteUnderTheQuestionIsRescuedBySaveAs) {
    MainDialog& window = StartWatching(WriteCatalog("Office", kOfficeCatalog));
    MakeAttributeChange(2);
    MakeReadOnly(dir.File("Office.cat.atr"));
    Answer(BoxAnswer::kYes);
    Choose(dir.File("Rescue.cat"));
    window.OnCommand(command::kExit);
    EXPECT_EQ(ui.TakeTexts(),
              (QStringList{kSaveChangesText,
                           QStringLiteral("Save attributes operation cannot be completed.")}));
    EXPECT_NE(ReadBytes(dir.File("Rescue.cat.atr")).find("\nmauve\n"), std::string::npos);
    EXPECT_EQ(closedWith, command::kExit);
}

TEST_F(SafeFileCommandTest, PendingEditsOnlyEverReachTheirOwnCatalog) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    MakeAttributeChange(2);
    const std::string broken = WriteCatalog("Broken", kOfficeCatalog, "broken:line\n");
    const std::string brokenAttributes = ReadBytes(dir.File("Broken.cat.atr"));
    Answer(BoxAnswer::kNo);
    Choose(broken);
    window.OnCommand(command::kOpen);
    // One question only: the answer holds for the whole command.
    EXPECT_EQ(ui.TakeTexts(), (QStringList{kSaveChangesText, kDefaultOpenedText}));
    EXPECT_EQ(ReadBytes(dir.File("Broken.cat.atr")), brokenAttributes);
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), DefaultFile(".CAT.atr"));
    EXPECT_FALSE(window.changeFlags().Any());
}

TEST_F(SafeFileCommandTest, TheInstalledDefaultCatalogIsOnlyRead) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    MakePaperChange();
    Answer(BoxAnswer::kNo);
    QTest::keyClick(window.Control(control::kPaperList), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveChangesText});
    EXPECT_EQ(window.workingPath(), window.defaultPath());
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    MakePaperChange();
    window.OnCommand(command::kSave);  // asks for a name; cancelled
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_TRUE(ui.fileRequests[0].save);
    EXPECT_EQ(ReadBytes(dir.File("bin/KBRVCAT_EN.CAT")), DefaultFile(".CAT"));
    Choose(dir.File("Mine.cat"));
    window.OnCommand(command::kSave);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.workingPath(), dir.Wide("Mine.cat"));
    EXPECT_EQ(ReadBytes(dir.File("Mine.def")), DefaultFile(".DEF"));
    EXPECT_EQ(ReadBytes(dir.File("bin/KBRVCAT_EN.CAT")), DefaultFile(".CAT"));
}

TEST_F(SafeFileCommandTest, SaveAsksBeforeWritingOverAnotherWritersWork) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    MakePaperChange();
    window.OnCommand(command::kSave);
    window.OnCommand(command::kSave);  // its own files again: no question
    EXPECT_TRUE(ui.boxes.empty());

    // Another editor saves meanwhile (a new file, renamed into place).
    const std::string theirs = "Office:B\nB:9:160:blue:cover:1:1\nFromA:1:75:white:plain:2:0\n";
    WriteBytes(dir.File("other.tmp"), theirs);
    std::filesystem::rename(dir.File("other.tmp"), catalog);
    MakePaperChange();
    Answer(BoxAnswer::kCancel);
    window.OnCommand(command::kSave);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::kOverwriteSaveAsCancel);
    EXPECT_TRUE(ui.boxes[0].text.contains(QString::fromStdString(catalog)));
    EXPECT_EQ(ReadBytes(catalog), theirs);

    Answer(BoxAnswer::kNo);  // Save As
    Choose(dir.File("Mine.cat"));
    window.OnCommand(command::kSave);
    EXPECT_EQ(ReadBytes(catalog), theirs);
    EXPECT_EQ(ReadBytes(dir.File("Mine.cat")), kOfficeCatalog);

    // Their attribute file changes too; Overwrite writes over it.
    WriteBytes(dir.File("Mine.cat.atr"), "[PaperColors]\nwhite\n");
    ui.boxes.clear();
    Answer(BoxAnswer::kYes);
    window.OnCommand(command::kSave);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(ui.boxes[0].text.contains(QString::fromStdString(dir.File("Mine.cat.atr"))));
    EXPECT_EQ(ReadBytes(dir.File("Mine.cat.atr")), DefaultFile(".CAT.atr"));
}

}  // namespace
}  // namespace sheetwise
