// What the operator sees and reaches without reading the manual: the keyboard's way through the
// window, a paper list that always has one paper selected and shows the default and precollated
// papers, a title that says which catalog and whether it is saved, and file messages that say
// which file and why.
#include <QKeyEvent>
#include <QMenu>

#include "app/window/FileCommandFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

class AtAGlanceTest : public FileCommandTest {
  protected:
    void SetUp() override {
        FileCommandTest::SetUp();
        catalog = WriteCatalog("Office", kOfficeCatalog);
    }
    QVariant Data(int row, int column, int role) {
        return paperList().model()->data(paperList().model()->index(row, column), role);
    }

    std::string catalog;
};

TEST_F(AtAGlanceTest, TheKeyboardMovesThroughPapersLeavesTheListAndOpensTheMenus) {
    MainDialog& window = StartWatching(catalog);
    paperList().setFocus();
    ASSERT_EQ(paperList().SelectedRow(), 1);  // the default paper
    QTest::keyClick(&paperList(), Qt::Key_Down);
    EXPECT_EQ(paperList().SelectedRow(), 2);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("C"));
    QTest::keyClick(&paperList(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &paperList());
    EXPECT_EQ(paperList().SelectedRow(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &paperList());

    // Alt alone opens the first menu; its items answer to their letters.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QApplication::sendEvent(&paperList(), &press);
    QApplication::sendEvent(&paperList(), &release);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&File"));
    menu->close();
    EXPECT_EQ(closedWith, 0);
    EXPECT_EQ(window.MenuAction(command::kExit)->text(), QStringLiteral("&Exit"));
}

TEST_F(AtAGlanceTest, OnePaperIsSelectedWhateverIsClicked) {
    StartWatching(catalog);
    QWidget* rows = paperList().viewport();
    const QPoint belowTheRows(20, rows->height() - 3);
    ASSERT_FALSE(paperList().indexAt(belowTheRows).isValid());
    QTest::mouseClick(rows, Qt::LeftButton, {}, belowTheRows);
    EXPECT_EQ(paperList().SelectedRow(), 1);
    const QPoint onTheSelectedRow =
        paperList().visualRect(paperList().model()->index(1, 0)).center();
    QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier, onTheSelectedRow);
    EXPECT_EQ(paperList().SelectedRow(), 1);
    const QPoint onTheFirstRow = paperList().visualRect(paperList().model()->index(0, 0)).center();
    QTest::mouseClick(rows, Qt::LeftButton, {}, onTheFirstRow);
    EXPECT_EQ(paperList().SelectedRow(), 0);
}

TEST_F(AtAGlanceTest, TheTitleNamesTheCatalogAndMarksUnsavedChanges) {
    MainDialog& window = StartWatching(catalog);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Korvane Brevalon Sheetwise - Office.cat[*]"));
    EXPECT_FALSE(window.isWindowModified());
    MakePaperChange();
    EXPECT_TRUE(window.isWindowModified());
    window.OnCommand(command::kSave);
    EXPECT_FALSE(window.isWindowModified());
    MakeAttributeChange(2);  // showing a paper whose colour the lists lack
    EXPECT_TRUE(window.isWindowModified());
}

TEST_F(AtAGlanceTest, TheDefaultAndPrecollatedPapersShowWithoutBeingSelected) {
    StartWatching(catalog);
    EXPECT_TRUE(Data(1, 0, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(Data(1, 0, Qt::DecorationRole).isNull());
    EXPECT_FALSE(Data(0, 0, Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(Data(0, 0, Qt::DecorationRole).isNull());
    // B is precollated, A is not; the cell the window reads keeps the mode alone.
    EXPECT_EQ(Data(1, 5, Qt::DisplayRole).toString(), QStringLiteral("1-Sided \u00b7 Precollated"));
    EXPECT_EQ(Data(0, 5, Qt::DisplayRole).toString(), QStringLiteral("1, 2-Sided"));
    EXPECT_EQ(paperList().CellText(1, 5), QStringLiteral("1-Sided"));

    ClickRow(0);
    button(control::kDefaultPaperBox).click();
    EXPECT_TRUE(Data(0, 0, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(Data(1, 0, Qt::FontRole).value<QFont>().bold());
}

TEST_F(AtAGlanceTest, FileDialogsOpenWhereTheCatalogLives) {
    MainDialog& window = StartWatching(catalog);
    window.OnCommand(command::kOpen);
    window.OnCommand(command::kSaveAs);
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    for (const FileDialogRequest& request : ui.fileRequests)
        EXPECT_EQ(request.directory, QString::fromStdString(dir.path() + "/"));
}

// Every message about a file keeps its text and says below it which file and why.
TEST_F(AtAGlanceTest, EveryFileMessageSaysWhichFileAndWhy) {
    struct Case {
        std::function<void()> act;
        QString text;
        QString details;
    };
    MainDialog& window = StartWatching(catalog);
    const Case cases[] = {
        {[&] {
             Choose(WriteCatalog("Bare", kOfficeCatalog, "", ""));
             std::filesystem::rename(dir.File("bin/KBRVCAT_EN.DEF"), dir.File("aside"));
             window.OnCommand(command::kOpen);
             std::filesystem::rename(dir.File("aside"), dir.File("bin/KBRVCAT_EN.DEF"));
         },
         kFilesProblemText, QStringLiteral("Bare.def is missing, and so is")},
        {[&] {
             Choose(WriteCatalog("Torn", kOfficeCatalog, "torn\n"));
             window.OnCommand(command::kOpen);
         },
         kDefaultOpenedText, QStringLiteral("Torn.def has fewer than six fields")},
        {[&] {
             Choose(WriteCatalog("Gaps", "Gaps:A\nA:1:75\n"));
             window.OnCommand(command::kOpen);
         },
         kDefaultOpenedText, QStringLiteral("Gaps.cat has paper lines without a name")},
        {[&] {
             this->window.reset();
             StartWatching(catalog);
             MakeReadOnly(catalog);
             this->window->OnCommand(command::kNew);  // untitled: Save goes to Save As
             Choose(catalog);
             this->window->OnCommand(command::kSave);
         },
         kSaveAsCatalogFailedText, QStringLiteral("Office.cat: the file is read-only")},
    };
    for (const Case& step : cases) {
        ui.boxes.clear();
        step.act();
        ASSERT_FALSE(ui.boxes.empty()) << step.text.toStdString();
        EXPECT_EQ(ui.boxes.front().text, step.text);
        EXPECT_TRUE(ui.boxes.front().details.contains(step.details))
            << ui.boxes.front().details.toStdString();
    }
}

}  // namespace
}  // namespace sheetwise
