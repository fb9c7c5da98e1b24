// Help Topics, F1, the "What's this" menu of the controls and the About box.
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>

#include "sheetwise/Version.h"
#include "ui/window/AboutDialog.h"
#include "ui/window/CommandFixture.h"
#include "ui/window/HelpFile.h"
#include "ui/window/HelpWindow.h"

namespace sheetwise {
namespace {

using testing::FileCommandTest;

class HelpTest : public FileCommandTest {
  protected:
    QPoint CentreOf(int id) {
        QWidget* control = window->Control(id);
        return control->mapToGlobal(control->rect().center());
    }

    // Hands the modal window or pop-up menu that the event loop shows next to `inspect`, which
    // must close it. Nothing shown within a second: `inspect` gets nullptr.
    static void WhenShown(std::function<void(QWidget*)> inspect, int attempts = 100) {
        QTimer::singleShot(attempts == 100 ? 0 : 10, [inspect = std::move(inspect), attempts] {
            QWidget* shown = QApplication::activePopupWidget();
            if (shown == nullptr)
                shown = QApplication::activeModalWidget();
            if (shown == nullptr && attempts > 0)
                return WhenShown(inspect, attempts - 1);
            inspect(shown);
        });
    }

    // Right-clicks at a point and picks the first item of the menu if one shows (or closes it
    // when `choose` is false); true when a menu showed.
    bool RightClick(const QPoint& point, bool choose = true) {
        auto shown = std::make_shared<bool>(false);
        QTimer::singleShot(0, [shown, choose] {
            QWidget* menu = QApplication::activePopupWidget();
            if (menu == nullptr)
                return;
            *shown = true;
            if (choose)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, choose ? Qt::Key_Return : Qt::Key_Escape);
        });
        window->OnContextMenu(point);
        return *shown;
    }
};

const std::string kManual = std::string(SHEETWISE_RESOURCE_CATALOG) + "/../help/sheetwise.html";

// The manual in the build tree or in an installation, else the old help file beside the program
// (HelpAndF1FindNoHelpSystemAndAboutShowsTheProduct), or by its bare name for another program;
// every topic the window can ask for has its place in it.
TEST(HelpFileTest, TheManualIsFoundAndHasAPlaceForEveryTopic) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.File("usr/bin/help"));
    std::filesystem::create_directories(dir.File("usr/share/sheetwise/help"));
    testing::WriteBytes(dir.File("usr/share/sheetwise/help/sheetwise.html"), "<html></html>");
    EXPECT_EQ(HelpFilePath(dir.Wide("usr/bin/sheetwise")),
              dir.Wide("usr/share/sheetwise/help/sheetwise.html"));
    testing::WriteBytes(dir.File("usr/bin/help/sheetwise.html"), "<html></html>");
    EXPECT_EQ(HelpFilePath(dir.Wide("usr/bin/sheetwise")), dir.Wide("usr/bin/help/sheetwise.html"));
    EXPECT_EQ(HelpFilePath(u"/opt/bin/mysheetwise"), u"sheetwise.hlp");

    const QString manual = QString::fromStdString(testing::ReadBytes(kManual));
    ASSERT_FALSE(manual.isEmpty());
    for (const int id : ControlsWithTopics())
        EXPECT_TRUE(manual.contains(QStringLiteral("id=\"%1\"").arg(HelpTopicAnchor(id)))) << id;
    // And the help window opens there.
    HelpWindow help;
    ASSERT_TRUE(help.Show(QString::fromStdString(kManual), HelpTopicAnchor(control::kDelete)));
    EXPECT_EQ(help.browser()->source().fragment(), QStringLiteral("topic-1003"));
    EXPECT_GT(help.browser()->verticalScrollBar()->value(), 0);
    // Esc closes it, wherever the keyboard is in it.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QTest::keyClick(help.browser(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    EXPECT_FALSE(help.Show(QStringLiteral("/nowhere/sheetwise.html"), {}));
}

// A list on a group frame is found rather than the frame, which comes first in template order and
// so lies on top.
TEST_F(HelpTest, ControlsWithATopicOfferWhatsThisAndNoOtherControlDoes) {
    MainDialog& window = Start(std::nullopt, [](DialogTemplate& dialog) {
        DialogControl frame;
        frame.kind = ControlKind::GroupBox;
        frame.rect = QRect(230, 140, 100, 100);  // around the colours list
        dialog.controls.insert(dialog.controls.begin(), frame);
    });
    EXPECT_EQ(window.whatsThisMenu()->actions()[0]->text(), QStringLiteral("What's this"));
    ASSERT_FALSE(button(control::kModify).isEnabled());  // disabled controls have topics too
    for (const int id : {control::kAdd, control::kModify, control::kNameList, control::kColourList})
        EXPECT_TRUE(RightClick(CentreOf(id))) << id;
    // Closing the menu asks for nothing; labels, and the frame beside the list, have no topic.
    EXPECT_TRUE(RightClick(CentreOf(control::kWeightList), false));
    EXPECT_FALSE(RightClick(CentreOf(1058)));
    const QWidget* list = window.Control(control::kColourList);
    EXPECT_FALSE(RightClick(list->mapToGlobal(QPoint(list->width() + 3, 2))));
    ASSERT_EQ(ui.helpRequests.size(), 4u);
    EXPECT_EQ(ui.helpRequests[0].command, kHelpContextPopup);
    EXPECT_EQ(ui.helpRequests[1].data, control::kModify);
    EXPECT_EQ(ui.helpRequests[3].data, control::kColourList);
    // The pop-up topic cannot be shown either, and nobody is told.
    EXPECT_TRUE(ui.boxes.empty());

    // Real right clicks reach the window too: an edit field offers "What's this" rather than a
    // text menu with the window's shortcuts, and so do the rows of the paper list.
    for (QWidget* target : {window.Control(control::kNameField), paperList().viewport()}) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                                target->mapToGlobal(QPoint(3, 3)));
        WhenShown([](QWidget* menu) {
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(qobject_cast<QMenu*>(menu)->actions().size(), 1);
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QApplication::sendEvent(target, &click);
    }
    ASSERT_EQ(ui.helpRequests.size(), 6u);
    EXPECT_EQ(ui.helpRequests[4].data, control::kNameField);
    EXPECT_EQ(ui.helpRequests[5].data, control::kPaperList);
}

TEST_F(HelpTest, HelpAndF1FindNoHelpSystemAndAboutShowsTheProduct) {
    MainDialog& window = Start();
    EXPECT_EQ(window.helpPath(), QString::fromStdString(dir.File("bin/sheetwise.hlp")));
    window.OnCommand(command::kHelpTopics);
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_F1);
    ASSERT_EQ(ui.helpRequests.size(), 2u);
    for (const testing::RecordedHelp& request : ui.helpRequests)
        EXPECT_EQ(request.command, kHelpOpenFile);
    EXPECT_EQ(ui.TakeTexts(), QStringList(2, QStringLiteral("Error accessing Help system.")));

    // About shows the product over the window.
    QString text;
    QRect box;
    WhenShown([&](QWidget* shown) {
        auto* about = qobject_cast<AboutDialog*>(shown);
        if (about == nullptr) {
            ADD_FAILURE() << "no About box";
            if (shown != nullptr)
                shown->close();
            return;
        }
        text = about->Control(1063)->property("text").toString();
        box = about->frameGeometry();
        qobject_cast<QAbstractButton*>(about->Control(1))->click();
    });
    window.OnCommand(command::kAbout);
    const QString version = QString::fromLatin1(kVersion.data(), qsizetype(kVersion.size()));
    EXPECT_EQ(text, QStringLiteral("Korvane Brevalon \n\nSheetwise  %1\n\n"
                                   "Copyright (C) 2026 Korvane. All rights reserved.")
                        .arg(version));
    const QRect work = window.screen()->availableGeometry();
    EXPECT_TRUE(work.contains(box));
    if (work.contains(window.frameGeometry())) {
        EXPECT_LE((box.center() - window.frameGeometry().center()).manhattanLength(), 2);
    }
}

}  // namespace
}  // namespace sheetwise
