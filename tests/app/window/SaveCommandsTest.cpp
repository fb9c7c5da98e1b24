// Save, Save As, the unsaved-changes question and Exit, on real files.
#include <filesystem>

#include "app/TestStrings.h"
#include "app/window/FileCommandFixture.h"
#include "platform/AtomicFile.h"

namespace sheetwise {
namespace {

using namespace testing;

// The rename that ends an atomic save fails once, inside the scope.
class FailingRename {
  public:
    FailingRename() { file_faults::FailAt(file_faults::Step::kRename, 1); }
    ~FailingRename() { file_faults::Clear(); }
};

TEST_F(FileCommandTest, SavedCatalogsComeBackByteForByte) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    // Both files are written even without changes, also when one has vanished meanwhile.
    std::filesystem::remove(catalog);
    window.OnCommand(command::kSave);
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), DefaultFile(".CAT.atr"));

    MakePaperChange();
    MakeAttributeChange(2);
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(ui.boxes.empty() && ui.fileRequests.empty());
    EXPECT_FALSE(window.changeFlags().AnyPaper() || window.changeFlags().AnyAttribute());
    EXPECT_EQ(ReadBytes(catalog), kOfficeMoved);
    const std::string attributes = ReadBytes(dir.File("Office.cat.atr"));
    EXPECT_NE(attributes.find("\nmauve\n"), std::string::npos);

    window.OnCommand(command::kExit);
    EXPECT_EQ(closedWith, command::kExit);
    this->window.reset();
    MainDialog& reopened = Start(catalog);
    EXPECT_TRUE(ListTexts(control::kColourList).contains(QStringLiteral("mauve")));
    reopened.OnCommand(command::kSave);
    EXPECT_EQ(ReadBytes(catalog), kOfficeMoved);
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), attributes);
}

TEST_F(FileCommandTest, SaveThatFailsOffersSaveAs) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    MakePaperChange();
    MakeAttributeChange(2);
    MakeReadOnly(dir.File("Office.cat.atr"));
    window.OnCommand(command::kSave);  // the Save As dialog is cancelled
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(
        ui.boxes[0].details.contains(QStringLiteral("Office.cat.atr: the file is read-only")));
    EXPECT_EQ(ui.TakeTexts(),
              QStringList{QStringLiteral("Save attributes operation cannot be completed.")});
    // The two files are one set: neither is written when one cannot be.
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_TRUE(window.changeFlags().AnyPaper());
    EXPECT_TRUE(window.changeFlags().colours);

    MakeReadOnly(catalog);
    Choose(dir.File("Rescue.cat"));
    window.OnCommand(command::kSave);
    EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveCatalogFailedText});
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_TRUE(ui.fileRequests[1].save);
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_EQ(ReadBytes(dir.File("Rescue.cat")), kOfficeMoved);
    EXPECT_EQ(window.workingPath(), dir.Wide("Rescue.cat"));
}

TEST_F(FileCommandTest, SaveAsMovesTheWindowToTheNewCatalogAndItsCompanions) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MakeReadOnly(dir.File("Office.cat.atr"));
    MainDialog& window = StartWatching(catalog);
    MakePaperChange();
    MakeAttributeChange(2);
    Choose(dir.File("Copy.cat"));
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter,
              QStringLiteral("Paper Catalog Files (*.cat);;All Files (*)"));
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, QStringLiteral("cat"));
    EXPECT_TRUE(ui.fileRequests[0].save);
    EXPECT_EQ(ReadBytes(dir.File("Copy.cat")), kOfficeMoved);
    EXPECT_EQ(ReadBytes(dir.File("Copy.def")), DefaultFile(".DEF"));
    // The copy of a read-only attribute file can take the lists; the original stays as it was.
    EXPECT_TRUE(OwnerMayWrite(dir.File("Copy.cat.atr")));
    EXPECT_NE(ReadBytes(dir.File("Copy.cat.atr")).find("\nmauve\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), DefaultFile(".CAT.atr"));
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_EQ(window.workingPath(), dir.Wide("Copy.cat"));
    EXPECT_EQ(field(control::kCatalogDisplay).text(), QString::fromStdString(dir.File("Copy.cat")));
    EXPECT_FALSE(window.changeFlags().AnyPaper() || window.changeFlags().AnyAttribute());
}

TEST_F(FileCommandTest, SaveAsNeverEmptiesOrTouchesAFileItCannotReplace) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    const std::string other = WriteCatalog("Other", "Other:X\nX:1:75:white:plain:2:0\n");
    Choose(other);
    {
        const FailingRename failing;
        window.OnCommand(command::kSaveAs);
    }
    EXPECT_EQ(ReadBytes(other), "Other:X\nX:1:75:white:plain:2:0\n");
    // The window and its catalog stay with the old file.
    EXPECT_EQ(window.catalog().path(), Utf8ToUtf16(catalog));
    EXPECT_EQ(window.workingPath(), Utf8ToUtf16(catalog));
    // Nothing is left behind when the first file of a new name cannot take its place.
    Choose(dir.File("Fresh.cat"));
    {
        const FailingRename failing;
        window.OnCommand(command::kSaveAs);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("Fresh.cat")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Fresh.cat.atr")));

    // Read-only (the owner's permission decides, also for root), in a read-only folder, or in
    // a folder that went away after the dialog.
    WriteBytes(dir.File("Locked.cat"), "keep me");
    MakeReadOnly(dir.File("Locked.cat"));
    std::filesystem::create_directories(dir.File("shelf"));
    chmod(dir.File("shelf").c_str(), 0555);
    for (const char* name : {"Locked.cat", "shelf/New.cat", "gone/New.cat"}) {
        Choose(dir.File(name));
        window.OnCommand(command::kSaveAs);
    }
    EXPECT_EQ(ReadBytes(dir.File("Locked.cat")), "keep me");
    EXPECT_FALSE(std::filesystem::exists(dir.File("Locked.cat.atr")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("shelf/New.cat")));
    // Each says which file and why.
    EXPECT_TRUE(ui.boxes[2].details.endsWith(QStringLiteral("Locked.cat: the file is read-only.")));
    EXPECT_TRUE(ui.boxes[3].details.endsWith(QStringLiteral("its folder is read-only.")));
    EXPECT_TRUE(ui.boxes[4].details.endsWith(QStringLiteral("its folder does not exist.")));
    EXPECT_EQ(ui.TakeTexts(), (QStringList{kSaveAsCatalogFailedText, kSaveAsAttributesFailedText,
                                           kSaveAsCatalogFailedText, kSaveAsCatalogFailedText,
                                           kSaveAsCatalogFailedText}));
}

TEST_F(FileCommandTest, SaveAsFailuresKeepTheirTextsWithoutTheStringTable) {
    auto strings = testing_support::CopyOfProgramStrings();
    strings->RemoveBlockOf(17265);  // 17265 and 17266
    MainDialog& window = StartWatching(WriteCatalog("Office", kOfficeCatalog), strings);
    WriteBytes(dir.File("Locked.cat"), "keep me");
    MakeReadOnly(dir.File("Locked.cat"));
    Choose(dir.File("Locked.cat"));
    window.OnCommand(command::kSaveAs);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::kExclamation);
    EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveAsCatalogFailedText});

    // An attribute file beside the new name that may not be replaced, or none to start the new
    // one from: reported, nothing is written, and the window keeps its unsaved values.
    WriteBytes(dir.File("Copy.cat.atr"), "[PaperColors]\nonly\n");
    MakeReadOnly(dir.File("Copy.cat.atr"));
    MakeAttributeChange(2);
    Choose(dir.File("Copy.cat"));
    window.OnCommand(command::kSaveAs);
    std::filesystem::remove(dir.File("Office.cat.atr"));
    Choose(dir.File("Third.cat"));
    window.OnCommand(command::kSaveAs);
    EXPECT_EQ(ui.TakeTexts(), QStringList(2, kSaveAsAttributesFailedText));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Copy.cat")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Third.cat")));
    EXPECT_EQ(window.workingPath(), dir.Wide("Office.cat"));
    EXPECT_TRUE(window.changeFlags().colours);
    EXPECT_TRUE(ListTexts(control::kColourList).contains(QStringLiteral("mauve")));
}

// The question, and the exit codes.

TEST_F(FileCommandTest, CancelKeepsEverythingAndNoEndsWithoutWriting) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    MakePaperChange();
    MakeAttributeChange(2);
    Answer(BoxAnswer::kCancel);
    window.OnCommand(command::kNew);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::kQuestion);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::kYesNoCancel);
    EXPECT_EQ(window.workingPath(), Utf8ToUtf16(catalog));
    EXPECT_EQ(window.catalog().GetName(0), u"B");
    Answer(BoxAnswer::kCancel);
    window.close();  // the close box
    EXPECT_EQ(closedWith, 0);
    EXPECT_TRUE(window.isVisible());

    // No lets the changes go only with the catalog: a cancelled Open keeps them all.
    Answer(BoxAnswer::kNo);
    window.OnCommand(command::kOpen);  // the dialog is cancelled
    EXPECT_TRUE(window.changeFlags().AnyPaper());
    EXPECT_TRUE(window.changeFlags().colours);
    Answer(BoxAnswer::kNo);
    window.OnCommand(command::kExit);
    EXPECT_EQ(ui.TakeTexts(), QStringList(4, kSaveChangesText));
    EXPECT_EQ(closedWith, command::kExit);
    EXPECT_EQ(window.closingCommand(), command::kExit);
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), DefaultFile(".CAT.atr"));
}

TEST_F(FileCommandTest, YesSavesWhatChangedAndTheWindowCloses) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    window.close();
    EXPECT_EQ(closedWith, control::kCancel);  // nothing to ask about
    EXPECT_FALSE(window.isVisible());

    this->window.reset();
    MainDialog& second = StartWatching(catalog);
    MakeAttributeChange(2);
    std::filesystem::remove(catalog);
    Answer(BoxAnswer::kYes);
    second.OnCommand(command::kNew);
    // Only the attributes had changed: the catalog file is not written.
    EXPECT_FALSE(std::filesystem::exists(catalog));
    EXPECT_NE(ReadBytes(dir.File("Office.cat.atr")).find("\nmauve\n"), std::string::npos);
    EXPECT_EQ(second.workingPath(), second.defaultPath());

    this->window.reset();
    closedWith = 0;
    MainDialog& third = StartWatching(WriteCatalog("Office", kOfficeCatalog));
    MakePaperChange();
    QTest::keyClick(third.Control(control::kNameField), Qt::Key_Return);  // Enter does nothing
    EXPECT_EQ(closedWith, 0);
    Answer(BoxAnswer::kYes);
    QTest::keyClick(third.Control(control::kNameField), Qt::Key_Escape);
    EXPECT_EQ(closedWith, control::kCancel);
    EXPECT_EQ(ReadBytes(catalog), kOfficeMoved);
}

TEST_F(FileCommandTest, YesThatCannotSaveOffersSaveAsAndStillEnds) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    MakePaperChange();
    MakeReadOnly(catalog);
    Answer(BoxAnswer::kYes);
    Choose(dir.File("Rescue.cat"));
    window.OnCommand(command::kExit);
    EXPECT_EQ(ui.TakeTexts(), (QStringList{kSaveChangesText, kSaveCatalogFailedText}));
    EXPECT_EQ(ReadBytes(catalog), kOfficeCatalog);
    EXPECT_EQ(ReadBytes(dir.File("Rescue.cat")), kOfficeMoved);
    EXPECT_EQ(closedWith, command::kExit);
}

}  // namespace
}  // namespace sheetwise
