// New, Open and Import: which catalog the window shows afterwards, the companions they make, and
// the untitled catalog an import leaves behind.
#include <filesystem>
#include <sstream>

#include "cli/Cli.h"
#include "import/ImportTestSupport.h"
#include "ui/window/CommandFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

class ImportCommandTest : public FileCommandTest {
  protected:
    std::string Import(const std::string& bytes) {
        WriteBytes(dir.File("papers.ini"), bytes);
        Choose(dir.File("papers.ini"));
        window->OnCommand(command::kImport);
        return dir.File("papers.ini");
    }

    // sheetwise-cli import INI --base <the window's default catalog> --out OUT
    void ImportWithTool(const std::string& ini, const std::string& out) {
        std::ostringstream ignored;
        cli::Console console{ignored, ignored};
        const cli::Environment environment{dir.Wide("bin/sheetwise-cli"),
                                           window->decimalSeparator().toStdU16String()};
        cli::RunCommandLine(
            {QStringLiteral("import"), QString::fromStdString(ini), QStringLiteral("--base"),
             QString::fromStdString(dir.File("bin/KBRVCAT_EN.CAT")), QStringLiteral("--out"),
             QString::fromStdString(out)},
            console, environment);
    }
};

// sheetwise-cli convert writes what opening the catalog in the window and pressing Save writes,
// the lists completed with what the papers use included.
TEST_F(FileCommandTest, ConvertWritesWhatTheWindowSaves) {
    const std::string hand =
        "Hand:B\r\nA:1:77:mauve:glossy\r\nB:2:160:blue:cover:1:+1\r\n"
        "C:9:*:*:tab:0:0\r\nD:1:75:white:plain:5:0\r\n";
    const std::string attributes = "[PaperColors]\nblue\n[Unknown]\nx\n[PaperWeights]\n160\n";
    const std::string saved = WriteCatalog("Saved", hand, DefaultFile(".DEF"), attributes);
    const std::string converted = WriteCatalog("Source", hand, DefaultFile(".DEF"), attributes);
    MainDialog& window = Start(saved);
    QTest::keyClick(window.Control(control::kPaperList), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(ui.boxes.empty());
    std::ostringstream output;
    cli::Console console{output, output};
    const cli::Environment environment{dir.Wide("bin/sheetwise-cli"), u"."};
    ASSERT_EQ(cli::RunCommandLine(
                  {QStringLiteral("convert"), QString::fromStdString(converted),
                   QStringLiteral("--out"), QString::fromStdString(dir.File("Converted.cat"))},
                  console, environment),
              0)
        << output.str();
    EXPECT_EQ(ReadBytes(dir.File("Converted.cat")), ReadBytes(saved));
    EXPECT_EQ(ReadBytes(dir.File("Converted.cat.atr")), ReadBytes(saved + ".atr"));
    EXPECT_NE(ReadBytes(saved + ".atr").find("mauve"), std::string::npos);
}

TEST_F(FileCommandTest, OpenShowsTheChosenCatalogWithCompanionsFromTheDefault) {
    MainDialog& window = Start();
    window.OnCommand(command::kOpen);  // cancelled
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter,
              QStringLiteral("Paper Catalog Files (*.cat);;All Files (*)"));
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, QStringLiteral("cat"));
    EXPECT_FALSE(ui.fileRequests[0].save);
    EXPECT_EQ(ui.fileRequests[0].directory, QString::fromStdString(dir.File("bin/")));
    EXPECT_EQ(window.session().document().shownPath(), window.session().document().defaultPath());

    const std::string other = WriteCatalog("Office", kOfficeCatalog, "", "");
    MakeReadOnly(dir.File("bin/KBRVCAT_EN.CAT.atr"));
    Choose(other);
    QTest::keyClick(window.Control(control::kPaperList), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(ui.boxes.empty());
    // The companions are copies of the default's; that of a read-only one can be saved.
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), DefaultFile(".CAT.atr"));
    EXPECT_EQ(ReadBytes(dir.File("Office.def")), DefaultFile(".DEF"));
    EXPECT_TRUE(ModeOf(dir.File("Office.cat.atr")) & S_IWUSR);
    EXPECT_EQ(field(control::kCatalogDisplay).text(), QString::fromStdString(other));
}

// What the window writes after File > Import and Save is what sheetwise-cli's import writes from
// the same files; the window reports what it changed or left out.
TEST_F(ImportCommandTest, AnImportReportsItsFindingsAndStaysUntitledUntilSaved) {
    MainDialog& window = Start();
    const std::string ini = Import(ImportFileWithPapers({
        "Caf#;0;white;75;plain;0",    // the default paper, refused by the catalog
        "A:B;1;white;75;plain;0",     // its colon becomes "_"
        "Heavy;0;white;300;plain;0",  // a weight out of range
        "Short;0;white;75;plain",     // a field missing
        "Fine;0;white;*;plain;2",
    }));
    EXPECT_EQ(ui.fileRequests[0].filter,
              QStringLiteral("Paper Catalog Import Files (*.ini);;All Files (*)"));
    EXPECT_FALSE(ui.fileRequests[0].save);
    QStringList captions;
    for (const RecordedBox& box : ui.boxes)
        captions << box.caption;
    ASSERT_EQ(captions, (QStringList{QStringLiteral("Warning"), QStringLiteral("Warning"),
                                     QStringLiteral("Error")}));
    // One box lists every definition left out, by key and name.
    EXPECT_EQ(ui.boxes[2].details,
              QStringLiteral("PaperDef2: Heavy (the size is not a number, or the weight is outside "
                             "60..200)\nPaperDef3: Short (a field is empty)\nPaperDef0: Caf# (a "
                             "character a name, colour or type may not hold)"));
    ui.boxes.clear();
    EXPECT_EQ(ListTexts(control::kNameList), (QStringList{"A_B", "Fine"}));
    EXPECT_EQ(field(control::kCatalogDisplay).text(), QString::fromStdString(ini));

    window.OnCommand(command::kSave);  // asks for a name without a question; cancelled
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(window.session().document().untitled());
    std::filesystem::create_directories(dir.File("cli"));
    Choose(dir.File("Imported.cat"));
    window.OnCommand(command::kSave);
    EXPECT_FALSE(window.session().document().untitled());
    EXPECT_EQ(field(control::kCatalogDisplay).text(),
              QString::fromStdString(dir.File("Imported.cat")));
    ImportWithTool(ini, dir.File("cli/Imported.cat"));
    for (const char* name : {"Imported.cat", "Imported.cat.atr", "Imported.def"})
        EXPECT_EQ(ReadBytes(dir.File(name)), ReadBytes(dir.File(std::string("cli/") + name)));
    window.OnCommand(command::kSave);  // titled now: no dialog
    EXPECT_EQ(ui.fileRequests.size(), 3u);
}

}  // namespace
}  // namespace sheetwise
