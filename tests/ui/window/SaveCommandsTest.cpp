// Save, Save As, the unsaved-changes question and Exit as the window offers them: the keys and
// the close box that reach them, the boxes they show, and the files they leave.
#include <filesystem>
#include <future>
#include <thread>

#include "platform/CatalogWriteLock.h"
#include "platform/FileNotices.h"
#include "ui/window/CommandFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

TEST_F(FileCommandTest, KeysAndTheCloseBoxReachTheFileCommandsAndTheQuestionNamesTheCatalog) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = Start(catalog);
    MakePaperChange();
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ui.boxes.empty() && ui.fileRequests.empty());
    EXPECT_EQ(ReadBytes(catalog), kOfficeMoved);

    MakePaperChange();  // the first order again, unsaved
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_Return);  // Enter does nothing
    Answer(BoxAnswer::kCancel);
    window.OnCommand(command::kNew);
    ui.boxes.clear();
    Answer(BoxAnswer::kCancel);
    window.close();  // the close box
    EXPECT_EQ(closedWith, 0);
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].details, QString::fromStdString(catalog));
    Expect("Warning", "Do you want to save your changes?", BoxButtons::kYesNoCancel);
    // Yes saves before the window closes.
    Answer(BoxAnswer::kYes);
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_Escape);
    EXPECT_EQ(closedWith, control::kCancel);
    EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveChangesText});
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
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
        {command::kExit, "Office.cat", true, {kSaveChangesText, kSaveCatalogFailedText}},
    };
    for (const auto& step : cases) {
        SCOPED_TRACE(step.texts.join(u' ').toStdString());
        MainDialog& window = Start(WriteCatalog("Office", kOfficeCatalog));
        MakePaperChange();
        MakeAttributeChange();
        MakeReadOnly(dir.File(step.locked));
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
            EXPECT_NE(ReadBytes(dir.File("Rescue.cat.atr")).find("\nmauve\n"), std::string::npos);
            EXPECT_EQ(field(control::kCatalogDisplay).text(),
                      QString::fromStdString(dir.File("Rescue.cat")));
            EXPECT_FALSE(window.session().document().Unsaved());
        } else {
            EXPECT_TRUE(window.session().document().CatalogFileUnsaved() &&
                        window.session().document().AttributeFileUnsaved());
        }
        EXPECT_EQ(closedWith, step.rescued ? command::kExit : 0);
        this->window.reset();
        for (const char* name : {"Office.cat", "Office.cat.atr"})
            std::filesystem::remove(dir.File(name));
    }
}

// Save As to a name that another file has in other letter case, and Save over a file another
// writer replaced: each question names the other file.
TEST_F(FileCommandTest, QuestionsAboutAnotherFileNameIt) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = Start(catalog);
    const std::string other = WriteCatalog("Other", "Other:X\nX:1:75:white:plain:2:0\n");
    Choose(dir.File("OTHER.cat"));
    Answer(BoxAnswer::kNo);
    window.OnCommand(command::kSaveAs);  // then the dialog is cancelled
    WriteBytes(dir.File("other.tmp"), "Theirs:X\n");
    std::filesystem::rename(dir.File("other.tmp"), catalog);
    MakePaperChange();
    Answer(BoxAnswer::kCancel);
    window.OnCommand(command::kSave);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::kYesNo);
    EXPECT_TRUE(ui.boxes[0].text.contains(QString::fromStdString(other)));
    EXPECT_EQ(ui.boxes[1].buttons, BoxButtons::kOverwriteSaveAsCancel);
    EXPECT_TRUE(ui.boxes[1].text.contains(QString::fromStdString(catalog)));
    EXPECT_EQ(ReadBytes(other), "Other:X\nX:1:75:white:plain:2:0\n");
    EXPECT_EQ(ReadBytes(catalog), "Theirs:X\n");
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
