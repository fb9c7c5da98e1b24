// Help Topics, F1, the "What's this" menu of the controls and the About box.
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>

#include <QScrollBar>
#include <QTextBrowser>

#include "app/AboutDialog.h"
#include "app/HelpFile.h"
#include "app/HelpWindow.h"
#include "app/window/FileCommandFixture.h"

namespace sheetwise {
namespace {

using testing::FileCommandTest;

class HelpTest : public FileCommandTest {
  protected:
    QPoint CentreOf(int id) {
        QWidget* control = window->Control(id);
        return control->mapToGlobal(control->rect().center());
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
// (HelpTopicsAndF1SayThatThereIsNoHelpSystem), or by its bare name for another program.
TEST(HelpFileTest, TheManualIsFoundWhereTheBuildOrTheInstallationPutsIt) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.File("usr/bin"));
    std::filesystem::create_directories(dir.File("usr/share/sheetwise/help"));
    testing::WriteBytes(dir.File("usr/share/sheetwise/help/sheetwise.html"), "<html></html>");
    EXPECT_EQ(HelpFilePath(dir.Wide("usr/bin/sheetwise")),
              dir.Wide("usr/share/sheetwise/help/sheetwise.html"));
    std::filesystem::create_directories(dir.File("usr/bin/help"));
    testing::WriteBytes(dir.File("usr/bin/help/sheetwise.html"), "<html></html>");
    EXPECT_EQ(HelpFilePath(dir.Wide("usr/bin/sheetwise")), dir.Wide("usr/bin/help/sheetwise.html"));
    EXPECT_EQ(HelpFilePath(u"/opt/sheetwise/bin/window_tests"), u"sheetwise.hlp");
    EXPECT_EQ(HelpFilePath(u"/opt/bin/mysheetwise"), u"sheetwise.hlp");
}

TEST(HelpFileTest, EveryTopicTheWindowCanAskForHasItsPlaceInTheManual) {
    const QString manual = QString::fromStdString(testing::ReadBytes(kManual));
    ASSERT_FALSE(manual.isEmpty());
    for (const int id : ControlsWithTopics())
        EXPECT_TRUE(manual.contains(QStringLiteral("id=\"%1\"").arg(HelpTopicAnchor(id)))) << id;
    // And the help window opens there.
    HelpWindow help;
    ASSERT_TRUE(help.Show(QString::fromStdString(kManual), HelpTopicAnchor(control::kDelete)));
    EXPECT_EQ(help.browser()->source().fragment(), QStringLiteral("topic-1003"));
    EXPECT_GT(help.browser()->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(help.Show(QStringLiteral("/nowhere/sheetwise.html"), {}));
}

TEST_F(HelpTest, AnInstalledManualAnswersHelpTopicsF1AndWhatsThis) {
    std::filesystem::create_directories(dir.File("bin/help"));
    std::filesystem::copy_file(kManual, dir.File("bin/help/sheetwise.html"));
    MainDialog& window = StartWatching();
    EXPECT_EQ(window.helpPath(), QString::fromStdString(dir.File("bin/help/sheetwise.html")));
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_F1);
    EXPECT_TRUE(RightClick(CentreOf(control::kWeightField)));
    ASSERT_EQ(ui.helpRequests.size(), 2u);
    EXPECT_EQ(ui.helpRequests[0].file, window.helpPath());
    EXPECT_EQ(ui.helpRequests[0].command, kHelpOpenFile);
    EXPECT_EQ(ui.helpRequests[1].command, kHelpContextPopup);
    EXPECT_EQ(ui.helpRequests[1].data, control::kWeightField);
}

TEST_F(HelpTest, HelpTopicsAndF1SayThatThereIsNoHelpSystem) {
    MainDialog& window = StartWatching();
    EXPECT_EQ(window.helpPath(), QString::fromStdString(dir.File("bin/sheetwise.hlp")));
    window.OnCommand(command::kHelpTopics);
    QTest::keyClick(window.Control(control::kNameField), Qt::Key_F1);
    QTest::keyClick(window.Control(control::kPaperList), Qt::Key_F1, Qt::ShiftModifier);
    window.OnHelpRequest();
    ASSERT_EQ(ui.helpRequests.size(), 4u);
    for (const testing::RecordedHelp& request : ui.helpRequests) {
        EXPECT_EQ(request.file, window.helpPath());
        EXPECT_EQ(request.command, kHelpOpenFile);
        EXPECT_EQ(request.data, 0);
    }
    ASSERT_EQ(ui.boxes.size(), 4u);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::kExclamation);
    EXPECT_EQ(ui.TakeTexts(), QStringList(4, QStringLiteral("Error accessing Help system.")));
}

TEST_F(HelpTest, ControlsWithATopicOfferWhatsThisAndNoOtherControlDoes) {
    MainDialog& window = StartWatching();
    ASSERT_EQ(window.whatsThisMenu()->actions().size(), 1);
    EXPECT_EQ(window.whatsThisMenu()->actions()[0]->text(), QStringLiteral("What's this"));
    ASSERT_FALSE(button(control::kModify).isEnabled());  // disabled controls have topics too
    for (const int id : {control::kAdd, control::kPaperList, control::kCatalogDisplay,
                         control::kModify, control::kNameList})
        EXPECT_TRUE(RightClick(CentreOf(id))) << id;
    ASSERT_EQ(ui.helpRequests.size(), 5u);
    EXPECT_EQ(ui.helpRequests[0].file, window.helpPath());
    EXPECT_EQ(ui.helpRequests[0].command, kHelpContextPopup);
    EXPECT_EQ(ui.helpRequests[0].data, control::kAdd);
    EXPECT_EQ(ui.helpRequests[3].data, control::kModify);
    // The pop-up topic cannot be shown either, and nobody is told.
    EXPECT_TRUE(ui.boxes.empty());

    // Closing the menu asks for nothing; labels have no topic.
    EXPECT_TRUE(RightClick(CentreOf(control::kWeightList), false));
    EXPECT_FALSE(RightClick(CentreOf(1058)));
    EXPECT_EQ(ui.helpRequests.size(), 5u);

    // An edit field offers "What's this" rather than a text menu with the window's shortcuts.
    QContextMenuEvent onField(QContextMenuEvent::Mouse, QPoint(3, 3),
                              window.Control(control::kNameField)->mapToGlobal(QPoint(3, 3)));
    WhenShown([](QWidget* menu) {
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(qobject_cast<QMenu*>(menu)->actions().size(), 1);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QApplication::sendEvent(window.Control(control::kNameField), &onField);
    ASSERT_EQ(ui.helpRequests.size(), 6u);
    EXPECT_EQ(ui.helpRequests[5].data, control::kNameField);

    // A real right click, here on the rows of the paper list, reaches the window too.
    QWidget* rows = paperList().viewport();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            rows->mapToGlobal(QPoint(5, 5)));
    WhenShown([](QWidget* menu) {
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QApplication::sendEvent(rows, &click);
    ASSERT_EQ(ui.helpRequests.size(), 7u);
    EXPECT_EQ(ui.helpRequests[6].data, control::kPaperList);
}

TEST_F(HelpTest, AListBoxOnAGroupFrameIsFoundRatherThanTheFrame) {
    for (const bool frameFirst : {true, false}) {
        Start(std::nullopt, [frameFirst](DialogTemplate& dialog) {
            DialogControl frame;
            frame.kind = ControlKind::GroupBox;
            frame.rect = QRect(230, 140, 100, 100);  // around the colours list
            dialog.controls.insert(frameFirst ? dialog.controls.begin() : dialog.controls.end(),
                                   frame);
        });
        ui.helpRequests.clear();
        EXPECT_TRUE(RightClick(CentreOf(control::kColourList))) << frameFirst;
        ASSERT_EQ(ui.helpRequests.size(), 1u);
        EXPECT_EQ(ui.helpRequests[0].data, control::kColourList);
        // Beside the list, inside the frame: the frame, which has no topic.
        const QWidget* list = window->Control(control::kColourList);
        EXPECT_FALSE(RightClick(list->mapToGlobal(QPoint(list->width() + 3, 2))));
    }
}

TEST_F(HelpTest, AboutShowsTheProductOverTheWindow) {
    MainDialog& window = StartWatching();
    ClickRow(1);
    QString caption;
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
        caption = about->windowTitle();
        text = about->Control(1063)->property("text").toString();
        box = about->frameGeometry();
        qobject_cast<QAbstractButton*>(about->Control(1))->click();
    });
    window.OnCommand(command::kAbout);
    EXPECT_EQ(caption, QStringLiteral("About Sheetwise..."));
    EXPECT_EQ(text, QStringLiteral("Korvane Brevalon \n\nSheetwise  05.01.02\n\n"
                                   "Copyright (C) 2026 Korvane. All rights reserved."));
    EXPECT_EQ(window.activeList(), 0);
    const QRect work = window.screen()->availableGeometry();
    EXPECT_TRUE(work.contains(box));
    if (work.contains(window.frameGeometry())) {
        EXPECT_LE((box.center() - window.frameGeometry().center()).manhattanLength(), 2);
    }
}

}  // namespace
}  // namespace sheetwise
