// Save, Save As, the unsaved-changes question and Exit, on real files, and the ways an operator
// could lose a catalog through them.
#include <filesystem>
#include <future>
#include <thread>

#include "import/ImportTestSupport.h"
#include "platform/AtomicFile.h"
#include "platform/CatalogWriteLock.h"
#include "platform/FileNotices.h"
#include "ui/window/FileCommandFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

// The nth rename that ends an atomic write fails, inside the scope.
class FailingRename {
  public:
    explicit FailingRename(int nth) { file_faults::FailAt(file_faults::Step::kRename, nth); }
    ~FailingRename() { file_faults::Clear(); }
};

TEST_F(FileCommandTest, SaveWritesBothFilesAndYesWhatChangedBeforeTheWindowCloses) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = Start(catalog);
    // Save writes both files even without changes, also when one has vanished meanwhile.
    std::filesystem::remove(catalog);
    window.OnCommand(command::kSave);
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    MakePaperChange();
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ui.boxes.empty() && ui.fileRequests.empty());
    EXPECT_FALSE(window.session().document().Unsaved());
    EXPECT_EQ(ReadBytes(catalog), kOfficeMoved);

    MakeAttributeChange();
    std::filesystem::remove(catalog);
    Answer(BoxAnswer::kYes);
    window.OnCommand(command::kNew);
    // Only the attributes had changed: the catalog file is not written.
    EXPECT_FALSE(std::filesystem::exists(catalog));
    EXPECT_TRUE(HasMauve(dir.File("Office.cat.atr")));
    EXPECT_EQ(window.session().document().shownPath(), window.session().document().defaultPath());

    MakePaperChange();
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_Return);  // Enter does nothing
    EXPECT_EQ(closedWith, 0);
    // The installed default catalog is only read: what starts from it gets a name of its own.
    Answer(BoxAnswer::kYes);
    Choose(catalog);
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_Escape);
    EXPECT_EQ(closedWith, control::kCancel);
    EXPECT_EQ(ui.TakeTexts(), QStringList(2, kSaveChangesText));
    EXPECT_EQ(ReadBytes(catalog).substr(0, 10), "KBRVCAT_EN");
    EXPECT_EQ(ReadBytes(dir.File("bin/KBRVCAT_EN.CAT")), DefaultFile(".CAT"));
}

// Whether Save or the question's Yes started it; the two files are one set, so neither is written
// when one cannot be.
TEST_F(FileCommandTest, ASaveThatFailsOffersSaveAsAndOnlyASavedOneLetsTheCommandGoOn) {
    const struct {
        int command;
        const char* locked;
        bool rescued;
        QStringList texts;
    } cases[] = {
        {command::kSave, "Office.cat.atr", false, {kSaveAttributesFailedText}},
        {command::kSave, "Office.cat", true, {kSaveCatalogFailedText}},
        {command::kExit, "Office.cat", true, {kSaveChangesText, kSaveCatalogFailedText}},
        {command::kExit, "Office.cat.atr", true, {kSaveChangesText, kSaveAttributesFailedText}},
        {command::kExit, "Office.cat", false, {kSaveChangesText, kSaveCatalogFailedText}},
    };
    for (const auto& step : cases) {
        SCOPED_TRACE(step.texts.join(u' ').toStdString());
        MainDialog& window = StartWithChanges();
        MakeReadOnly(dir.File(step.locked));
        closedWith = 0;
        if (step.command == command::kExit)
            Answer(BoxAnswer::kYes);
        if (step.rescued)
            Choose(dir.File("Rescue.cat"));
        window.OnCommand(step.command);
        ASSERT_EQ(ui.boxes.size(), static_cast<size_t>(step.texts.size()));
        EXPECT_TRUE(
            ui.boxes.back().details.contains(QString::fromStdString(dir.File(step.locked))));
        EXPECT_EQ(ui.TakeTexts(), step.texts);
        ASSERT_EQ(ui.fileRequests.size(), 1u);
        EXPECT_TRUE(ui.fileRequests[0].save);
        ui.fileRequests.clear();
        EXPECT_EQ(ReadBytes(dir.File("Office.cat")), kOfficeCatalog);
        EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), DefaultFile(".CAT.atr"));
        if (step.rescued) {
            // The copy of a read-only attribute file can take the lists.
            EXPECT_EQ(ReadBytes(dir.File("Rescue.cat")), kOfficeMoved);
            EXPECT_TRUE(HasMauve(dir.File("Rescue.cat.atr")));
            EXPECT_EQ(field(control::kCatalogDisplay).text(),
                      QString::fromStdString(dir.File("Rescue.cat")));
            EXPECT_FALSE(window.session().document().Unsaved());
        } else {
            EXPECT_TRUE(window.session().document().CatalogFileUnsaved() &&
                        window.session().document().AttributeFileUnsaved());
        }
        EXPECT_EQ(closedWith, step.command == command::kExit && step.rescued ? command::kExit : 0);
        this->window.reset();
        for (const char* name : {"Office.cat", "Office.cat.atr", "Rescue.cat", "Rescue.cat.atr"})
            std::filesystem::remove(dir.File(name));
    }
}

TEST_F(FileCommandTest, SaveAsAsksAboutCaseVariantsAndNeverLeavesHalfAFile) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = Start(catalog);
    const std::string other = WriteCatalog("Other", "Other:X\nX:1:75:white:plain:2:0\n");
    Choose(other);
    Choose(dir.File("Fresh.cat"));
    // The second rename: after the copy of the attribute file that a new name starts from.
    for (const int nth : {1, 2}) {
        const FailingRename failing(nth);
        window.OnCommand(command::kSaveAs);
    }
    EXPECT_EQ(ui.TakeTexts(), (QStringList{kSaveAsCatalogFailedText, kSaveAsCatalogFailedText}));
    EXPECT_EQ(ReadBytes(other), "Other:X\nX:1:75:white:plain:2:0\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("Fresh.cat")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Fresh.cat.atr")));
    // The window and its catalog stay with the old file.
    EXPECT_EQ(window.catalog().path(), Utf8ToUtf16(catalog));
    EXPECT_EQ(field(control::kCatalogDisplay).text(), QString::fromStdString(catalog));

    // A name that differs from an existing file's only in letter case.
    for (const BoxAnswer answer : {BoxAnswer::kNo, BoxAnswer::kYes}) {
        Choose(dir.File("OTHER.cat"));
        Answer(answer);
        window.OnCommand(command::kSaveAs);
    }
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::kYesNo);
    EXPECT_TRUE(ui.boxes[0].text.contains(QString::fromStdString(other)));
    EXPECT_EQ(ReadBytes(other), kOfficeCatalog);
    EXPECT_FALSE(std::filesystem::exists(dir.File("OTHER.cat")));
}

TEST_F(FileCommandTest, CancelKeepsEverythingAndNoLetsTheEditsGoOnlyWithTheirCatalog) {
    MainDialog& window = StartWithChanges();
    Answer(BoxAnswer::kCancel);
    window.OnCommand(command::kNew);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::kQuestion);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::kYesNoCancel);
    EXPECT_EQ(ui.boxes[0].details, QString::fromStdString(dir.File("Office.cat")));
    EXPECT_EQ(window.catalog().GetName(0), u"B");
    Answer(BoxAnswer::kCancel);
    window.close();  // the close box
    EXPECT_EQ(closedWith, 0);
    EXPECT_TRUE(window.isVisible());

    // No lets the changes go only with the catalog: a cancelled Open keeps them all.
    Answer(BoxAnswer::kNo);
    window.OnCommand(command::kOpen);  // the dialog is cancelled
    EXPECT_TRUE(window.session().document().CatalogFileUnsaved() &&
                window.session().document().AttributeFileUnsaved());
    // Nor do they reach a catalog opened in its place; the answer holds for the whole command.
    const std::string broken = WriteCatalog("Broken", kOfficeCatalog, "broken:line\n");
    Answer(BoxAnswer::kNo);
    Choose(broken);
    window.OnCommand(command::kOpen);
    EXPECT_EQ(ui.TakeTexts(), QStringList(4, kSaveChangesText) << kDefaultOpenedText);
    EXPECT_EQ(window.session().document().shownPath(), window.session().document().defaultPath());
    EXPECT_FALSE(window.session().document().Unsaved());
    EXPECT_EQ(ReadBytes(dir.File("Broken.cat.atr")), DefaultFile(".CAT.atr"));
    EXPECT_EQ(ReadBytes(dir.File("Office.cat")), kOfficeCatalog);
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), DefaultFile(".CAT.atr"));
}

TEST_F(FileCommandTest, ACatalogThatWasNotReadWholeIsNeverSavedOverItself) {
    // A size line with too few fields: the papers are not even read.
    const std::string catalog =
        WriteCatalog("Real", kOfficeCatalog, "broken:line\n" + DefaultFile(".DEF"));
    MainDialog& window = Start(catalog);
    ASSERT_EQ(ui.boxes.size(), 1u);
    // The box says which file, and that it stays as it is.
    EXPECT_TRUE(ui.boxes[0].details.contains(QString::fromStdString(dir.File("Real.def"))));
    EXPECT_TRUE(ui.boxes[0].details.contains(QStringLiteral("Save will ask for a new file name")));
    QTest::keyClick(window.Control(control::kPaperList), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_TRUE(ui.fileRequests[0].save);
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_EQ(ReadBytes(dir.File("Real.cat.atr")), DefaultFile(".CAT.atr"));
}

// An import is unsaved work without a file of its own: every command that leaves it asks first,
// also over unsaved edits, and Yes goes on only once Save As has saved it.
TEST_F(FileCommandTest, LeavingAnImportAsksAndACancelledSaveAsCancelsTheCommand) {
    MainDialog& window = StartWithChanges();
    WriteBytes(dir.File("papers.ini"), ExampleImportFile());
    Answer(BoxAnswer::kNo);
    Choose(dir.File("papers.ini"));
    window.OnCommand(command::kImport);
    EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveChangesText});
    ASSERT_TRUE(window.session().document().untitled());
    for (const int command : {command::kExit, command::kImport, command::kNew}) {
        Answer(BoxAnswer::kYes);
        window.OnCommand(command);  // the Save As dialog is cancelled
        EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveChangesText});
        EXPECT_EQ(closedWith, 0);
        EXPECT_EQ(window.catalog().GetName(0), u"Office");
    }
    EXPECT_EQ(ui.fileRequests.size(), 4u);
    Answer(BoxAnswer::kYes);
    Choose(dir.File("Imported.cat"));
    window.OnCommand(command::kExit);
    EXPECT_EQ(closedWith, command::kExit);
    EXPECT_EQ(ReadBytes(dir.File("Imported.cat")).substr(0, 19), "KBRVCAT_EN:Office\nO");
}

TEST_F(FileCommandTest, SaveAsksBeforeWritingOverAnotherWritersWork) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = Start(catalog);
    // Another editor saves meanwhile (a new file, renamed into place).
    const std::string theirs = "Office:B\nB:9:160:blue:cover:1:1\nFromA:1:75:white:plain:2:0\n";
    const auto replace = [&](const std::string& file) {
        WriteBytes(dir.File("other.tmp"), theirs);
        std::filesystem::rename(dir.File("other.tmp"), file);
    };
    replace(catalog);
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
    EXPECT_EQ(ReadBytes(dir.File("Mine.cat")), kOfficeMoved);

    replace(dir.File("Mine.cat"));
    Answer(BoxAnswer::kYes);  // Overwrite
    window.OnCommand(command::kSave);
    EXPECT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ReadBytes(dir.File("Mine.cat")), kOfficeMoved);
}

// Another program holding the folder's lock: the window says it waits, Cancel ends the wait,
// and the save says who held the lock and writes nothing. What the file layer settles or refuses
// is told too.
TEST_F(FileCommandTest, AWaitForAnotherWriterCanBeCancelledAndSaysWhoHeldTheLock) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = Start(catalog);
    MakePaperChange();
    std::promise<void> locked, done;
    std::thread holder([&] {
        const FolderLock lock(catalog, FolderLock::Side::kExclusive);
        locked.set_value();
        done.get_future().wait();
    });
    locked.get_future().wait();
    ui.waitsBeforeCancel = 2;
    window.OnCommand(command::kSave);  // the Save As it offers is cancelled
    done.set_value();
    holder.join();
    ASSERT_EQ(ui.waits.size(), 2u);
    EXPECT_TRUE(ui.waits[0].startsWith(QStringLiteral("Another program is saving")));
    EXPECT_EQ(ui.endedWaits, 1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, kSaveCatalogFailedText);
    EXPECT_TRUE(ui.boxes[0].details.contains(QStringLiteral("was cancelled")))
        << ui.boxes[0].details.toStdString();
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_TRUE(window.session().document().Unsaved());

    ui.boxes.clear();
    NotifyFile(FileNotice::kSetRolledBack, dir.path());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Warning"));
    EXPECT_TRUE(ui.boxes[0].text.startsWith(QStringLiteral("A save that was interrupted")));
    EXPECT_EQ(ui.boxes[0].details, QString::fromStdString(dir.path()));
}

}  // namespace
}  // namespace sheetwise
