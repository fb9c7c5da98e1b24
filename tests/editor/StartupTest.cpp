// Starting the window: which catalog it opens, the companions it creates, what it says when
// something is wrong.
#include <sys/stat.h>

#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "support/WindowFixture.h"

namespace sheetwise {
namespace {

using testing::ReadBytes;
using testing::WindowTest;
using testing::WriteBytes;

constexpr const char* kSmall =
    "Small:B\nA:1:75:white:plain:2:0\nB:9:160:blue:cover:1:1\nC:2:0:*:tab:0:0\n";

TEST_F(WindowTest, OpensTheDefaultCatalogBesideTheExecutable) {
    MainDialog& window = Start();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("Korvane Brevalon Sheetwise - KBRVCAT_EN.CAT[*]"));
    // Centred on the screen; a dimension larger than the screen starts at its edge.
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (frame.width() <= screen.width())
        EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 3);
    else
        EXPECT_EQ(frame.left(), screen.left());
    if (frame.height() <= screen.height())
        EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 3);
    else
        EXPECT_EQ(frame.top(), screen.top());
    EXPECT_EQ(window.workingPath(), dir.Wide("bin/KBRVCAT_EN.CAT"));
    EXPECT_EQ(field(control::kCatalogDisplay).text(),
              QString::fromStdString(dir.File("bin/KBRVCAT_EN.CAT")));
    EXPECT_EQ(paperList().ItemCount(), window.catalog().PaperCount());
    EXPECT_EQ(paperList().SelectedRow(), window.catalog().GetDefaultIndex());
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("Letter"));
    EXPECT_FALSE(window.changeFlags().AnyAttribute() || window.changeFlags().AnyPaper());
    EXPECT_EQ(window.activeList(), control::kPaperList);
    // Labels and menu texts come from the string table.
    EXPECT_EQ(button(control::kAdd).text(), QStringLiteral("&Add"));
    EXPECT_EQ(button(control::kTwoSided).text(), QStringLiteral("1, 2-Sided"));
    EXPECT_EQ(window.menuBar()->actions()[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(window.MenuAction(command::kOpen)->text(),
              QStringLiteral("&Open Paper Catalog\tCtrl+O"));
    EXPECT_FALSE(window.menuBar()->actions()[1]->menu()->actions()[5]->isEnabled());
    EXPECT_EQ(paperList().model()->headerData(3, Qt::Horizontal), QStringLiteral("Weight (gsm):"));
}

TEST_F(WindowTest, InstalledDataFolderWinsOverTheExecutablesFolder) {
    const std::string installed = "share/Korvane/Brevalon Sheetwise";
    std::filesystem::create_directories(dir.File(installed));
    for (const char* suffix : {".CAT", ".CAT.atr", ".DEF"}) {
        WriteBytes(dir.File(installed + "/KBRVCAT_EN" + suffix), DefaultFile(suffix));
    }
    MainDialog& window = Start();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.defaultPath(), Utf8ToUtf16(std::filesystem::canonical(dir.path()).string() +
                                                "/" + installed + "/KBRVCAT_EN.CAT"));
    EXPECT_EQ(window.workingPath(), window.defaultPath());

    // Companions that cannot be made there: the executable's folder instead.
    this->window.reset();
    std::filesystem::remove(dir.File(installed + "/KBRVCAT_EN.CAT.atr"));
    chmod(dir.File(installed).c_str(), 0555);
    MainDialog& fallback = Start();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(fallback.workingPath(), dir.Wide("bin/KBRVCAT_EN.CAT"));
    EXPECT_GT(paperList().ItemCount(), 0);
}

TEST_F(WindowTest, CommandLineCatalogGetsMissingCompanionsFromTheDefault) {
    const std::string catalog = WriteCatalog("Office", kSmall, "", "");
    chmod(dir.File("bin/KBRVCAT_EN.CAT.atr").c_str(), 0444);
    MainDialog& window = Start(catalog);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")), DefaultFile(".CAT.atr"));
    EXPECT_EQ(ReadBytes(dir.File("Office.def")), DefaultFile(".DEF"));
    // The copy of a read-only default can be saved; the default itself stays read-only.
    struct stat copy, original;
    stat(dir.File("Office.cat.atr").c_str(), &copy);
    stat(dir.File("bin/KBRVCAT_EN.CAT.atr").c_str(), &original);
    EXPECT_TRUE(copy.st_mode & S_IWUSR);
    EXPECT_FALSE(original.st_mode & S_IWUSR);
    EXPECT_EQ(window.catalog().PaperCount(), 3);
    EXPECT_EQ(paperList().SelectedRow(), 1);
    EXPECT_EQ(field(control::kCatalogDisplay).text(), QString::fromStdString(catalog));
}

TEST_F(WindowTest, CompanionsInOtherLetterCaseAreUsedAsTheyAre) {
    WriteBytes(dir.File("OFFICE.CAT"), kSmall);
    WriteBytes(dir.File("office.DEF"), "1:2:0:0:1:Tiny\n");
    WriteBytes(dir.File("Office.Cat.ATR"), "[PaperColors]\nwhite\n");
    MainDialog& window = Start(dir.File("Office.cat"));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("Office.cat.atr")));
    EXPECT_EQ(window.catalog().sizes().size(), 1u);
    EXPECT_EQ(window.catalog().GetAttributeList(kColours).front(), u"white");
}

// Each start-up problem with the message it gives and what the window shows then.
TEST_F(WindowTest, StartUpProblemsAreReported) {
    const QString problem = QStringLiteral(
        "There may be a problem with the Paper Catalog Files. The Paper Catalog could not be "
        "opened.");
    // A catalog argument that does not exist: the default catalog instead.
    Start(dir.File("nowhere.cat"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.TakeTexts(),
              QStringList{problem + "\n\nA Default Paper Catalog has been opened instead."});
    EXPECT_EQ(window->workingPath(), dir.Wide("bin/KBRVCAT_EN.CAT"));
    EXPECT_GT(paperList().ItemCount(), 0);

    // A catalog argument that cannot be read: nothing is shown, and Save will not write it.
    window.reset();
    const std::string broken = WriteCatalog("Broken", "H:A\nA:1:75:white\n");
    Start(broken);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(ui.boxes[0].details.contains(QString::fromStdString(broken)));
    EXPECT_EQ(ui.TakeTexts(),
              QStringList{QStringLiteral("Paper definitions catalog could not be found.")});
    EXPECT_EQ(window->catalog().status(), kStatusFieldMissing);
    EXPECT_EQ(paperList().ItemCount(), 0);
    window->OnCommand(command::kSave);  // Save As, cancelled
    EXPECT_EQ(ReadBytes(broken), "H:A\nA:1:75:white\n");

    // A default catalog without its attribute file cannot be opened.
    window.reset();
    std::filesystem::remove(dir.File("bin/KBRVCAT_EN.CAT.atr"));
    Start();
    EXPECT_EQ(ui.TakeTexts(), QStringList{problem});
    EXPECT_EQ(paperList().ItemCount(), 0);

    // An executable of another name finds no default catalog at all.
    window.reset();
    executableName = "Sheetwise.exe";
    Start();
    EXPECT_EQ(ui.TakeTexts(), (QStringList{problem, problem}));
    EXPECT_TRUE(window->defaultPath().empty());
    EXPECT_EQ(paperList().ItemCount(), 0);
}

TEST_F(WindowTest, MissingControlsAreReported) {
    Start(std::nullopt, [](DialogTemplate& dialog) { dialog.RemoveControl(control::kMoveDown); });
    const QStringList texts = ui.TakeTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("Unable to find the Down Button.")));
    EXPECT_EQ(texts.back(), QStringLiteral("Unable to find user interface control item. "));
    EXPECT_EQ(button(control::kAdd).text(), QStringLiteral("[Add]"));  // labelling never ran

    window.reset();
    Start(std::nullopt, [](DialogTemplate& dialog) { dialog.RemoveControl(1056); });
    EXPECT_EQ(ui.TakeTexts(), QStringList{QStringLiteral("Unable to find static move paper")});
    EXPECT_EQ(button(control::kTwoSided).text(), QStringLiteral("1, 2-Sided"));

    window.reset();
    Start(std::nullopt,
          [](DialogTemplate& dialog) { dialog.RemoveControl(control::kCatalogDisplay); });
    EXPECT_EQ(ui.TakeTexts(),
              QStringList{QStringLiteral("Unable to find the Open catalog display.")});
}

}  // namespace
}  // namespace sheetwise
