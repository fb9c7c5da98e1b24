// New, Open and Import: which catalog the window shows afterwards, the companions they make, and
// the untitled catalog an import leaves behind.
#include <filesystem>

#include "app/TestStrings.h"
#include "app/window/FileCommandFixture.h"
#include "import/ImportTestSupport.h"

namespace sheetwise {
namespace {

using namespace testing;

const QString kImportFailedText =
    QStringLiteral("Import failed. Papers contain invalid attributes.");
const QString kInvalidPaperText =
    QStringLiteral("Add operation cannot be completed because invalid paper attributes entered.");

class ImportCommandTest : public FileCommandTest {
  protected:
    std::string Import(const std::string& bytes) {
        WriteBytes(dir.File("papers.ini"), bytes);
        Choose(dir.File("papers.ini"));
        window->OnCommand(command::kImport);
        return dir.File("papers.ini");
    }
};

TEST_F(FileCommandTest, OpenShowsTheChosenCatalogWithCompanionsFromTheDefault) {
    MainDialog& window = StartWatching();
    ClickRow(2);
    window.OnCommand(command::kOpen);  // cancelled
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter,
              QStringLiteral("Paper Catalog Files (*.cat);;All Files (*)"));
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, QStringLiteral("cat"));
    EXPECT_FALSE(ui.fileRequests[0].save);
    EXPECT_EQ(window.activeList(), 0);
    EXPECT_EQ(window.workingPath(), window.defaultPath());

    const std::string other = WriteCatalog("Office", kOfficeCatalog, "", "");
    Choose(other);
    QTest::keyClick(window.Control(control::kPaperList), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(ui.boxes.empty());  // the companions were copied (StartupTest compares them)
    EXPECT_EQ(field(control::kCatalogDisplay).text(), QString::fromStdString(other));
    EXPECT_EQ(paperList().ItemCount(), 3);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("B"));
}

TEST_F(FileCommandTest, OpenThatCannotReadTheCatalogOpensTheDefault) {
    auto strings = testing_support::CopyOfProgramStrings();
    for (const bool withTable : {true, false}) {
        MainDialog& window = StartWatching(WriteCatalog("Office", kOfficeCatalog),
                                           withTable ? ProgramStrings() : strings);
        Choose(WriteCatalog("Broken", "H:A\nA:1:75:white\n"));
        window.OnCommand(command::kOpen);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Error"));
        EXPECT_EQ(ui.boxes[0].text, kDefaultOpenedText);
        EXPECT_EQ(window.workingPath(), window.defaultPath());
        EXPECT_EQ(window.catalog().GetName(0), u"Letter");
        ui.boxes.clear();
        strings->RemoveBlockOf(17254);
    }
}

TEST_F(FileCommandTest, OpenWhoseCompanionsCannotBeMadeKeepsTheCatalogShown) {
    const std::string catalog = WriteCatalog("Office", kOfficeCatalog);
    MainDialog& window = StartWatching(catalog);
    std::filesystem::remove(dir.File("bin/KBRVCAT_EN.CAT.atr"));
    Choose(WriteCatalog("Other", "Other:X\nX:1:75:white:plain:2:0\n", "", ""));
    window.OnCommand(command::kOpen);
    Choose(dir.File("Gone.cat"));  // went away after the dialog
    window.OnCommand(command::kOpen);
    EXPECT_EQ(ui.TakeTexts(), QStringList(2, kFilesProblemText));
    EXPECT_EQ(window.catalog().path(), Utf8ToUtf16(catalog));
    EXPECT_EQ(paperList().ItemCount(), 3);
}

TEST_F(ImportCommandTest, AnImportStaysUntitledUntilSavedUnderANewName) {
    MainDialog& window = StartWatching();
    const std::string ini = Import(ExampleImportFile());
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(ui.fileRequests[0].filter,
              QStringLiteral("Paper Catalog Import Files (*.ini);;All Files (*)"));
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, QStringLiteral("ini"));
    EXPECT_FALSE(ui.fileRequests[0].save);
    EXPECT_TRUE(window.changeFlags().untitled);
    EXPECT_EQ(field(control::kCatalogDisplay).text(), QString::fromStdString(ini));
    EXPECT_EQ(ListTexts(control::kNameList),
              (QStringList{QStringLiteral("Office"), QStringLiteral("DraftA4")}));

    // Save asks for a name without a question; cancelled, the import stays untitled.
    window.OnCommand(command::kSave);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(window.changeFlags().untitled);
    Choose(dir.File("Imported.cat"));
    window.OnCommand(command::kSave);
    ASSERT_EQ(ui.fileRequests.size(), 3u);
    EXPECT_TRUE(ui.fileRequests[2].save);
    // What is written is compared byte for byte in CliImportEquivalenceTest.
    EXPECT_EQ(ReadBytes(dir.File("Imported.cat")).substr(0, 19), "KBRVCAT_EN:Office\nO");
    EXPECT_FALSE(window.changeFlags().untitled);
    EXPECT_EQ(field(control::kCatalogDisplay).text(),
              QString::fromStdString(dir.File("Imported.cat")));
    window.OnCommand(command::kSave);  // titled now: no dialog
    EXPECT_EQ(ui.fileRequests.size(), 3u);

    // Every command that leaves an import asks first, and Yes saves it under a new name: Open...
    Import(ExampleImportFile());
    Answer(BoxAnswer::kYes);
    Choose(dir.File("First.cat"));
    window.OnCommand(command::kOpen);
    EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveChangesText});
    ASSERT_EQ(ui.fileRequests.size(), 6u);
    EXPECT_TRUE(ui.fileRequests[4].save);
    EXPECT_EQ(ReadBytes(dir.File("First.cat")).substr(0, 19), "KBRVCAT_EN:Office\nO");
    // ...and Exit, where No lets the import go.
    Import(ExampleImportFile());
    Answer(BoxAnswer::kNo);
    window.OnCommand(command::kExit);
    EXPECT_EQ(ui.TakeTexts(), QStringList{kSaveChangesText});
    EXPECT_EQ(ui.fileRequests.size(), 7u);
    EXPECT_EQ(closedWith, command::kExit);
}

TEST_F(ImportCommandTest, AFailedImportOpensTheDefaultCatalog) {
    MainDialog& window = StartWatching(WriteCatalog("Office", kOfficeCatalog));
    // Every attribute section needs a value; PaperForced has none.
    Import(IniFile({"[PaperSizes]", "PaperSize0=A4", "[PaperColors]", "PaperColor0=white",
                    "[PaperWeights]", "PaperWeight0=75", "[PaperTypes]", "PaperType0=plain",
                    "[PaperForced]", "[PaperDefs]", "PaperDef0=A;0;white;75;plain;0"}));
    EXPECT_EQ(ui.TakeTexts(), QStringList{kDefaultOpenedText});
    EXPECT_EQ(window.workingPath(), window.defaultPath());
    EXPECT_FALSE(window.changeFlags().Any());

    // No paper the catalog accepts.
    const std::string refused = ImportFileWithPapers({"Caf#;0;white;75;plain;0"});
    Import(refused);
    EXPECT_EQ(ui.TakeTexts(), (QStringList{kImportFailedText, kDefaultOpenedText}));
    EXPECT_FALSE(window.changeFlags().Any());
    EXPECT_EQ(window.catalog().GetName(0), u"Letter");

    // Without the string table's text the import says so in words of its own.
    auto strings = testing_support::CopyOfProgramStrings();
    strings->RemoveBlockOf(17254);
    this->window.reset();
    StartWatching(std::nullopt, strings);
    Import(refused);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.boxes[1].text,
              kFilesProblemText + QStringLiteral("\n\nA Default catalog has been opened instead."));
}

TEST_F(ImportCommandTest, AnImportReportsWhatItChangedOrLeftOut) {
    MainDialog& window = StartWatching();
    Import(ImportFileWithPapers({
        "Caf#;0;white;75;plain;0",    // the default paper, refused by the catalog
        "A:B;1;white;75;plain;0",     // its colon becomes "_"
        "Heavy;0;white;300;plain;0",  // a weight out of range
        "Short;0;white;75;plain",     // a field missing
        "Fine;0;white;*;plain;2",
    }));
    QStringList captions;
    for (const RecordedBox& box : ui.boxes)
        captions << box.caption;
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Warning"), QStringLiteral("Warning"),
                                     QStringLiteral("Error")}));
    // One box lists every definition left out, by key and name.
    EXPECT_EQ(ui.boxes[2].details,
              QStringLiteral("PaperDef2: Heavy\nPaperDef3: Short\nPaperDef0: Caf#"));
    EXPECT_EQ(ui.TakeTexts(),
              (QStringList{QStringLiteral("Some papers had the colon character (:) changed to the "
                                          "underscore character (_)."),
                           QStringLiteral("The default paper selection cannot be completed."),
                           kInvalidPaperText}));
    EXPECT_TRUE(window.changeFlags().untitled);
    EXPECT_EQ(window.catalog().PaperCount(), 2);
    EXPECT_EQ(window.catalog().GetName(0), u"A_B");
}

}  // namespace
}  // namespace sheetwise
