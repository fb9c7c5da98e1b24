// What only the window shows of the history, finding, sorting, renaming and duplicating: the
// Edit menu's texts and states, the find bar and its count, the header clicks, the keys.
#include <QApplication>
#include <QHeaderView>
#include <QMenu>

#include "ui/widgets/EditField.h"
#include "ui/widgets/FindBar.h"
#include "ui/window/CommandFixture.h"
#include "ui/window/RenameDialog.h"

namespace sheetwise {
namespace {

using namespace testing;

// A (Letter), B (A4, the default, precollated), C (Legal, any weight and colour), D (Letter).
constexpr const char* kFourPapers =
    "Office:B\nA:1:75:white:plain:2:0\nB:9:160:blue:cover:1:1\nC:2:0:*:tab:0:0\n"
    "D:1:120:ivory:plain:2:0\n";

class HistoryWindowTest : public CommandTest {
  protected:
    MainDialog& StartFour() { return Start(path = WriteCatalog("Office", kFourPapers)); }

    QString ItemText(int commandId) { return window->MenuAction(commandId)->text(); }
    bool Enabled(int commandId) { return window->MenuAction(commandId)->isEnabled(); }
    FindBar& findBar() { return *window->findChild<FindBar*>(); }
    QWidget* focus() { return QApplication::focusWidget(); }
    // A key pressed where the focus is (the paper list when nothing has it).
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus() != nullptr ? focus() : &paperList(), key, modifiers);
    }

    // The names of the rows shown, each followed by a blank.
    QString Rows() {
        QString names;
        for (int row = 0; row < paperList().ItemCount(); ++row)
            names += paperList().CellText(row, 0) + u' ';
        return names;
    }

    std::string path;
};

TEST_F(HistoryWindowTest, UndoAndRedoAreNamedAfterTheirStepAndGiveBackWhatTheWindowShowed) {
    MainDialog& window = StartFour();
    EXPECT_EQ(ItemText(command::kUndo), QStringLiteral("&Undo\tCtrl+Z"));
    EXPECT_FALSE(Enabled(command::kUndo) || Enabled(command::kRedo));

    ClickRow(2);
    Type(control::kWeightField, QStringLiteral("90"));
    window.OnCommand(control::kModify);
    ClickRow(0);
    Answer(BoxAnswer::kYes);
    window.OnCommand(control::kDelete);
    ui.boxes.clear();
    EXPECT_EQ(ItemText(command::kUndo), QStringLiteral("&Undo Delete A\tCtrl+Z"));
    EXPECT_TRUE(Enabled(command::kUndo) && !Enabled(command::kRedo));

    // Ctrl+Z in a field undoes the catalog's last step: A comes back, shown and selected.
    Type(control::kColourField, QStringLiteral("mauve"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Rows(), QStringLiteral("A B C D "));
    EXPECT_EQ(paperList().SelectedRow(), 0);
    EXPECT_EQ(field(control::kColourField).text(), QStringLiteral("white"));
    EXPECT_EQ(ListTexts(control::kNameList).first(), QStringLiteral("A"));
    EXPECT_EQ(ItemText(command::kRedo), QStringLiteral("&Redo Delete A\tCtrl+Y"));
    EXPECT_EQ(ItemText(command::kUndo), QStringLiteral("&Undo Modify C\tCtrl+Z"));
    // Alt+Backspace undoes as well: C and its weight are shown again as before the change.
    Key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(paperList().SelectedRow(), 2);
    EXPECT_EQ(field(control::kWeightField).text(), QStringLiteral("*"));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_FALSE(Enabled(command::kUndo));

    // Ctrl+Y and Ctrl+Shift+Z redo, step by step.
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(field(control::kWeightField).text(), QStringLiteral("90"));
    EXPECT_TRUE(window.isWindowModified());
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Rows(), QStringLiteral("B C D "));
    EXPECT_FALSE(Enabled(command::kRedo));
    EXPECT_EQ(ItemText(command::kRedo), QStringLiteral("&Redo\tCtrl+Y"));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(HistoryWindowTest, FindNarrowsTheListAndEscClearsItWithoutClosingTheWindow) {
    MainDialog& window = StartFour();
    EXPECT_EQ(findBar().count(), QStringLiteral("4 papers"));
    Key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(focus(), &findBar().field());
    // Nothing found: the paper shown stays, without a row.
    QTest::keyClicks(focus(), QStringLiteral("zz"));
    EXPECT_EQ(Rows(), QStringLiteral(""));
    EXPECT_EQ(findBar().count(), QStringLiteral("0 of 4 papers"));
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("B"));
    findBar().field().clear();
    QTest::keyClicks(focus(), QStringLiteral("I"));  // A's white, D's ivory
    EXPECT_EQ(Rows(), QStringLiteral("A D "));
    EXPECT_EQ(findBar().count(), QStringLiteral("2 of 4 papers"));
    // B, shown before, is left out: the first paper found is shown, and acted on.
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("A"));
    EXPECT_EQ(paperList().SelectedRow(), 0);
    ClickRow(1);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("D"));
    // Moves would not show what they do to the catalog's order.
    EXPECT_FALSE(button(control::kMoveUp).isEnabled() || button(control::kMoveDown).isEnabled());
    window.OnCommand(control::kMoveUp);
    EXPECT_FALSE(window.session().document().Unsaved());
    Answer(BoxAnswer::kYes);
    window.OnCommand(control::kDelete);
    EXPECT_EQ(Names(), u"A B C ");
    EXPECT_EQ(findBar().count(), QStringLiteral("1 of 3 papers"));
    // The paper after the one deleted is shown; the find text leaves it without a row.
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("C"));
    EXPECT_EQ(paperList().SelectedRow(), -1);

    // Esc clears the text and the window stays; Esc in the empty field goes back to the list.
    findBar().Focus();
    Key(Qt::Key_Escape);
    EXPECT_EQ(findBar().text(), QString());
    EXPECT_EQ(Rows(), QStringLiteral("A B C "));
    EXPECT_EQ(paperList().SelectedRow(), 2);
    EXPECT_TRUE(button(control::kMoveUp).isEnabled());
    Key(Qt::Key_Escape);
    EXPECT_EQ(focus(), &paperList());
    EXPECT_EQ(closedWith, 0);
    // Elsewhere Esc is still Cancel.
    Answer(BoxAnswer::kNo);
    Key(Qt::Key_Escape);
    EXPECT_EQ(closedWith, control::kCancel);
}

TEST_F(HistoryWindowTest, HeaderClicksSortTheRowsAndLeaveTheSavedOrderAlone) {
    MainDialog& window = StartFour();
    const std::string saved = ReadBytes(path);
    QHeaderView* header = paperList().horizontalHeader();
    const auto clickHeader = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    };
    clickHeader(3);  // weight: "*" first
    EXPECT_EQ(Rows(), QStringLiteral("C A D B "));
    EXPECT_TRUE(header->isSortIndicatorShown() &&
                header->sortIndicatorOrder() == Qt::AscendingOrder);
    EXPECT_EQ(paperList().SelectedRow(), 3);  // B, still the paper shown
    EXPECT_FALSE(button(control::kMoveUp).isEnabled() || button(control::kMoveDown).isEnabled());
    clickHeader(3);
    EXPECT_EQ(Rows(), QStringLiteral("B D A C "));
    // The bold default paper is B wherever its row is.
    const QModelIndex first = paperList().model()->index(0, 0);
    EXPECT_TRUE(paperList().model()->data(first, Qt::FontRole).value<QFont>().bold());
    ClickRow(3);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("C"));
    // Sizes by width, then height: A4 (210 mm), 8.5 x 11" (A, D), 8.5 x 14".
    window.OnCommand(control::kFirstColumnHeader + 1);
    EXPECT_EQ(Rows(), QStringLiteral("B A D C "));
    QTest::keyClicks(&findBar().field(), QStringLiteral("i"));
    EXPECT_EQ(Rows(), QStringLiteral("A D "));

    window.OnCommand(command::kSave);
    EXPECT_EQ(ReadBytes(path), saved);
    window.OnCommand(control::kFirstColumnHeader + 1);
    window.OnCommand(control::kFirstColumnHeader + 1);  // the third click: the catalog's order
    findBar().field().clear();
    EXPECT_EQ(Rows(), QStringLiteral("A B C D "));
    EXPECT_FALSE(header->isSortIndicatorShown());
    EXPECT_TRUE(button(control::kMoveDown).isEnabled());
}

TEST_F(HistoryWindowTest, F2RenamesInADialogAndCtrlDLeavesTheCopysNameToBeTypedOver) {
    MainDialog& window = StartFour();
    ui.names = {QStringLiteral("Cover")};
    Key(Qt::Key_F2);
    ASSERT_EQ(ui.nameRequests.size(), 1u);
    const auto& asked = ui.nameRequests[0];
    EXPECT_EQ((QStringList{asked.caption, asked.prompt, asked.name}),
              (QStringList{"Rename Paper", "New name for B:", "B"}));
    // The default paper keeps its place and stays the default.
    EXPECT_EQ(Rows(), QStringLiteral("A Cover C D "));
    EXPECT_EQ(window.catalog().GetDefaultPaper(), u"Cover");
    EXPECT_TRUE(button(control::kDefaultPaperBox).isChecked());
    EXPECT_EQ(ItemText(command::kUndo), QStringLiteral("&Undo Rename B\tCtrl+Z"));

    Key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Rows(), QStringLiteral("A Cover Cover1 C D "));
    EXPECT_EQ(paperList().SelectedRow(), 2);
    ASSERT_EQ(focus(), &field(control::kNameField));
    EXPECT_EQ(field(control::kNameField).selectedText(), QStringLiteral("Cover1"));
    // The name typed over the copy's is the one F2 offers.
    QTest::keyClicks(focus(), QStringLiteral("Heavy"));
    ui.names = {QStringLiteral("Heavy")};
    window.MenuAction(command::kRename)->trigger();
    EXPECT_EQ(ui.nameRequests.back().name, QStringLiteral("Heavy"));
    EXPECT_EQ(Rows(), QStringLiteral("A Cover Heavy C D "));
    // A copy is precollated as its paper is; cancelling the dialog changes nothing.
    EXPECT_TRUE(button(control::kPrecollatedBox).isChecked());
    Key(Qt::Key_F2);
    EXPECT_EQ(Rows(), QStringLiteral("A Cover Heavy C D "));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(HistoryWindowTest, TheListsShowHowManyPapersUseEachValueAndCtrlGMergesAsOneStep) {
    MainDialog& window = StartFour();
    ListBox& colours = list(control::kColourList);
    const int white = colours.FindExact(QStringLiteral("white"));
    ASSERT_GE(white, 0);
    EXPECT_EQ(colours.ItemNote(white), QStringLiteral("1"));
    EXPECT_EQ(colours.item(white)->toolTip(), QStringLiteral("Used by A."));
    ListBox& sizes = list(control::kSizeList);
    EXPECT_EQ(sizes.ItemNote(sizes.FindExact(QStringLiteral("8.5 x 11\""))), QStringLiteral("2"));
    ListBox& weights = list(control::kWeightList);
    EXPECT_EQ(weights.ItemNote(weights.FindExact(QStringLiteral("*"))), QStringLiteral("1"));
    // The counts follow the papers, and the texts stay the values themselves.
    ClickRow(3);
    ClickItem(control::kColourList, "white");
    window.OnCommand(control::kModify);
    EXPECT_EQ(colours.ItemNote(white), QStringLiteral("2"));
    EXPECT_EQ(colours.item(white)->toolTip(), QStringLiteral("Used by A, D."));
    EXPECT_EQ(colours.ItemText(white), QStringLiteral("white"));
    // Deleting a value in use names the papers below the message.
    ClickItem(control::kColourList, "white");
    window.OnCommand(control::kDelete);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].details, QStringLiteral("Used by A, D."));

    // Ctrl+G merges an import file as one step that undo takes back.
    WriteBytes(
        dir.File("more.ini"),
        "[PaperSizes]\r\nPaperSize0=Letter 8.5 x 11 in\r\n[PaperColors]\r\nPaperColor0=teal\r\n"
        "[PaperWeights]\r\nPaperWeight0=90\r\n[PaperTypes]\r\nPaperType0=plain\r\n"
        "[PaperForced]\r\nPaperForce0=*\r\n[PaperDefs]\r\nPaperDef0=E;0;teal;90;plain;0\r\n"
        "PaperDef1=F;0;teal;90;plain;1\r\n");
    Choose(dir.File("more.ini"));
    Key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(Rows(), QStringLiteral("A B C D E F "));
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("E"));
    EXPECT_EQ(ItemText(command::kUndo), QStringLiteral("&Undo Merge more.ini\tCtrl+Z"));
    EXPECT_EQ(ItemText(command::kMerge), QStringLiteral("&Merge Paper Catalog\tCtrl+G"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Rows(), QStringLiteral("A B C D "));
    EXPECT_FALSE(ListTexts(control::kColourList).contains(QStringLiteral("teal")));
}

TEST(RenameDialogTest, StartsWithTheNameSelectedAndTakesNoMoreThanTheLimit) {
    RenameDialog dialog({QStringLiteral("Rename Paper"), QStringLiteral("New name for A:"),
                         QStringLiteral("A"), 5});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rename Paper"));
    EXPECT_EQ(dialog.field().selectedText(), QStringLiteral("A"));
    QTest::keyClicks(&dialog.field(), QStringLiteral("Longer"));
    EXPECT_EQ(dialog.name(), QStringLiteral("Longe"));
}

}  // namespace
}  // namespace sheetwise
