// Starting the window: which catalog it opens, the companions it creates, what it says when
// something is wrong.
#include <sys/stat.h>

#include <QScreen>

#include "ui/window/CommandFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

TEST_F(WindowTest, OpensTheDefaultCatalogBesideTheExecutableOrSaysWhyNot) {
    Start();
    EXPECT_TRUE(ui.boxes.empty());
    // Centred on the screen; a dimension larger than the screen starts at its edge.
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint centred = screen.center() - QPoint(frame.width(), frame.height()) / 2;
    const QPoint expected(std::max(centred.x(), screen.left()),
                          std::max(centred.y(), screen.top()));
    EXPECT_LE((frame.topLeft() - expected).manhattanLength(), 4);
    // Labels come from the string table.
    EXPECT_EQ(button(control::kAdd).text(), QStringLiteral("&Add"));
    EXPECT_EQ(paperList().model()->headerData(3, Qt::Horizontal), QStringLiteral("Weight (gsm):"));

    // A default catalog without its attribute file cannot be opened: the window shows the one
    // paper a catalog read from no file has, which only Save As writes.
    std::filesystem::remove(dir.File("bin/KBRVCAT_EN.CAT.atr"));
    Start();
    EXPECT_EQ(ui.TakeTexts(), QStringList{kFilesProblemText});
    EXPECT_EQ(paperList().ItemCount(), 1);
    EXPECT_TRUE(window->session().document().untitled());

    // An executable of another name finds no default catalog at all.
    executableName = "Sheetwise.exe";
    Start();
    EXPECT_EQ(ui.TakeTexts(), (QStringList{kFilesProblemText, kFilesProblemText}));
    EXPECT_TRUE(window->session().document().defaultPath().empty());
}

TEST_F(WindowTest, InstalledDataFolderWinsOverTheExecutablesFolder) {
    const std::string installed = "share/Korvane/Brevalon Sheetwise";
    std::filesystem::create_directories(dir.File(installed));
    for (const char* suffix : {".CAT", ".CAT.atr", ".DEF"})
        WriteBytes(dir.File(installed + "/KBRVCAT_EN" + suffix), DefaultFile(suffix));
    MainDialog& window = Start();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(window.session().document().defaultPath(),
              Utf8ToUtf16(std::filesystem::canonical(dir.path()).string() + "/" + installed +
                          "/KBRVCAT_EN.CAT"));

    // Companions that cannot be made there: the executable's folder instead.
    std::filesystem::remove(dir.File(installed + "/KBRVCAT_EN.CAT.atr"));
    chmod(dir.File(installed).c_str(), 0555);
    MainDialog& fallback = Start();
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(fallback.session().document().shownPath(), dir.Wide("bin/KBRVCAT_EN.CAT"));
    EXPECT_GT(paperList().ItemCount(), 0);
}

// Controls missing from the template are reported when the window starts, and commands that
// need them say so instead of acting.
TEST_F(CommandTest, MissingControlsAreReported) {
    Start(std::nullopt, [](DialogTemplate& dialog) { dialog.RemoveControl(control::kMoveDown); });
    const QStringList texts = ui.TakeTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("Unable to find the Down Button.")));
    EXPECT_EQ(texts.back(), QStringLiteral("Unable to find user interface control item. "));
    EXPECT_EQ(button(control::kAdd).text(), QStringLiteral("[Add]"));  // labelling never ran

    Start(std::nullopt,
          [](DialogTemplate& dialog) { dialog.RemoveControl(control::kCatalogDisplay); });
    EXPECT_EQ(ui.TakeTexts(),
              QStringList{QStringLiteral("Unable to find the Open catalog display.")});

    Start(std::nullopt, [](DialogTemplate& dialog) {
        for (const int id :
             {control::kModify, control::kDelete, control::kInserter, control::kMoveUp})
            dialog.RemoveControl(id);
    });
    ui.boxes.clear();
    const std::pair<int, const char*> commands[] = {
        {control::kModify, "Unable to find the Modify Button"},
        {control::kDelete, "Unable to find the Delete Button"},
        {control::kInserter, "Unable to find Paper Supply Inserter radio button"},
        {control::kMoveUp, "Unable to find the Move Up Button"}};
    for (const auto& [id, text] : commands) {
        window->OnCommand(id);
        Expect("Error", text);
    }
}

}  // namespace
}  // namespace sheetwise
