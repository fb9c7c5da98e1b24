// The keyboard never traps the operator: shortcuts sent in a burst, Esc after a menu, moves
// repeated from the keyboard, Enter for the evident command, Home and End in the list.
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include "ui/window/CommandFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

// The mnemonic's shortcut takes the letter before the window sees it pressed; Alt released
// afterwards must not be taken for Alt pressed alone.
TEST_F(FileCommandTest, AltAndALetterRunTheCommandOnlyAndEscLeavesTheMenusFirst) {
    Start(WriteCatalog("Office", kOfficeCatalog));
    Type(control::kColourField, QStringLiteral("teal"));  // Add has something to add
    QWidget* focus = QApplication::focusWidget();
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyPress(focus, Qt::Key_A, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt, Qt::NoModifier);
    QTest::keyRelease(focus, Qt::Key_A, Qt::NoModifier);
    // A button's mnemonic clicks it a moment later, as a click shows the button pressed.
    QTRY_VERIFY(window->session().document().AttributeFileUnsaved());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(window->menuBar()->activeAction(), nullptr);

    // Alt alone opens the first menu; Esc closes it, then leaves the menu bar; only then does it
    // close the window.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QApplication::sendEvent(&paperList(), &press);
    QApplication::sendEvent(&paperList(), &release);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&File"));  // the first menu
    QTest::keyClick(menu, Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(closedWith, 0);
    EXPECT_EQ(window->menuBar()->activeAction(), nullptr);
    Answer(BoxAnswer::kNo);  // the added colour need not be saved
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(closedWith, control::kCancel);
}

// Ctrl+Down moves the paper and the list keeps the keyboard, as a move button keeps it after
// Space; Home and End reach the first and the last paper; Delete deletes the paper.
TEST_F(FileCommandTest, MovesAndListKeysKeepTheKeyboardWhereItIs) {
    Start(WriteCatalog("Office", kOfficeCatalog));
    paperList().setFocus();
    QTest::keyClick(&paperList(), Qt::Key_Home);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("A"));
    QTest::keyClick(&paperList(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(window->catalog().GetName(1), u"A");
    EXPECT_EQ(paperList().SelectedRow(), 1);
    EXPECT_EQ(QApplication::focusWidget(), &paperList());
    QTest::keyClick(&paperList(), Qt::Key_End);
    EXPECT_EQ(field(control::kNameField).text(), QStringLiteral("C"));
    ClickRow(0);
    button(control::kMoveDown).setFocus();
    QTest::keyClick(&button(control::kMoveDown), Qt::Key_Space);
    EXPECT_EQ(window->catalog().GetName(1), u"B");
    EXPECT_EQ(QApplication::focusWidget(), &button(control::kMoveDown));
    // Delete asks first, as the button does.
    paperList().setFocus();
    QTest::keyClick(&paperList(), Qt::Key_End);
    Answer(BoxAnswer::kNo);
    QTest::keyClick(&paperList(), Qt::Key_Delete);
    EXPECT_EQ(window->catalog().PaperCount(), 3);
    Answer(BoxAnswer::kYes);
    QTest::keyClick(&paperList(), Qt::Key_Delete);
    EXPECT_EQ(Names(), u"A B ");
    EXPECT_TRUE(ui.answers.empty());
}

// A right click asks "What's this": it chooses no paper and no value. Tab enters the mode group
// at the checked button; the arrow keys choose within it. Enter in a field runs the command the
// typing calls for, and nothing closes the window.
TEST_F(FileCommandTest, RightClicksTabAndEnterDoWhatTheOperatorMeans) {
    Start(WriteCatalog("Office", kOfficeCatalog));  // B, 1-Sided
    const auto rightPress = [](QWidget* viewport, const QPoint& at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
    };
    rightPress(paperList().viewport(),
               paperList().visualRect(paperList().model()->index(2, 0)).center());
    EXPECT_EQ(paperList().SelectedRow(), 1);
    ListBox& colours = list(control::kColourList);
    rightPress(colours.viewport(), colours.visualItemRect(colours.item(0)).center());
    EXPECT_EQ(field(control::kColourField).text(), QStringLiteral("blue"));
    EXPECT_FALSE(button(control::kModify).isEnabled());

    QWidget* before = &button(control::kInserter);
    while (qobject_cast<QAbstractButton*>(before) != nullptr &&
           before->property("autoExclusive").toBool())
        before = before->previousInFocusChain();
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &button(control::kOneSided));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(QApplication::focusWidget() != &button(control::kOneSided));
    EXPECT_NE(window->session().fields().mode, kOneSided);

    ClickRow(0);
    Type(control::kWeightField, QStringLiteral("90"));
    QTest::keyClick(window->Control(control::kWeightField), Qt::Key_Return);
    EXPECT_EQ(window->catalog().GetWeight(0), 90);
    Type(control::kNameField, QStringLiteral("Zed"));
    QTest::keyClick(window->Control(control::kNameField), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window->catalog().GetName(3), u"Zed");
    QTest::keyClick(&paperList(), Qt::Key_Return);
    EXPECT_EQ(window->catalog().PaperCount(), 4);
    EXPECT_EQ(closedWith, 0);
}

}  // namespace
}  // namespace sheetwise
