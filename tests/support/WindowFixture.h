// The real main window, headless, in a temporary installation: <dir>/bin/sheetwise is the program
// the window believes it is, with the default catalog KBRVCAT_EN.CAT (+ .CAT.atr, .DEF) beside it.
// Tests drive the window through its command dispatch, its notifications or real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "ui/resources/AcceleratorTableReader.h"
#include "ui/resources/DialogTemplateReader.h"
#include "ui/resources/MenuTemplateReader.h"
#include "ui/resources/ProgramStrings.h"
#include "ui/resources/ResourceIds.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/MainDialog.h"

namespace sheetwise::testing {

// Three papers in the form Save writes, so that a save gives back the same bytes: B (row 1) is the
// default paper and precollated, C has the wildcard weight and colour.
inline constexpr const char* kOfficeCatalog =
    "Office:B\nA:1:75:white:plain:2:0\nB:9:160:blue:cover:1:1\nC:2:0:*:tab:0:0\n";

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
        std::filesystem::create_directories(dir.File("bin"));
        const std::filesystem::path source = SHEETWISE_RESOURCE_CATALOG;
        for (const char* name : {"KBRVCAT_EN.CAT", "KBRVCAT_EN.CAT.atr", "KBRVCAT_EN.DEF"}) {
            std::filesystem::copy_file(source / name, dir.File(std::string("bin/") + name));
        }
    }

    // Starts the window, with a catalog argument when one is given, and records the command that
    // closes it. `adjust` may change the template before the window is built (to remove controls).
    MainDialog& Start(std::optional<std::string> catalog = std::nullopt,
                      const std::function<void(DialogTemplate&)>& adjust = {},
                      std::shared_ptr<const StringResources> strings = ProgramStrings()) {
        auto dialog = LoadDialogTemplate(resource_id::kMainDialog);
        auto menu = LoadMenuTemplate(resource_id::kMainMenu);
        auto accelerators = LoadAcceleratorTable(resource_id::kMainAccelerators);
        if (adjust)
            adjust(*dialog);
        StartupEnvironment environment;
        if (catalog)
            environment.catalogArgument = Utf8ToUtf16(*catalog);
        environment.executablePath = dir.Wide("bin/" + executableName);
        window = std::make_unique<MainDialog>(ui, std::move(*dialog), std::move(*menu),
                                              std::move(*accelerators), std::move(strings),
                                              std::move(environment));
        QObject::connect(window.get(), &MainDialog::Closed, [this](int id) { closedWith = id; });
        window->Initialise();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    // A catalog of its own beside the default one.
    std::string WriteCatalog(const std::string& name, const std::string& catalog,
                             const std::string& sizes = DefaultFile(".DEF"),
                             const std::string& attributes = DefaultFile(".CAT.atr")) {
        WriteBytes(dir.File(name + ".cat"), catalog);
        if (!sizes.empty())
            WriteBytes(dir.File(name + ".def"), sizes);
        if (!attributes.empty())
            WriteBytes(dir.File(name + ".cat.atr"), attributes);
        return dir.File(name + ".cat");
    }

    static std::string DefaultFile(const char* suffix) {
        return ReadBytes(std::string(SHEETWISE_RESOURCE_CATALOG) + "/KBRVCAT_EN" + suffix);
    }

    PaperListView& paperList() { return *qobject_cast<PaperListView*>(window->Control(1013)); }
    ListBox& list(int id) { return *qobject_cast<ListBox*>(window->Control(id)); }
    QLineEdit& field(int id) { return *qobject_cast<QLineEdit*>(window->Control(id)); }
    QAbstractButton& button(int id) { return *qobject_cast<QAbstractButton*>(window->Control(id)); }

    // Clicks a row of the paper list as the user would.
    void ClickRow(int row) { paperList().SelectRow(row); }

    // Types into a field the way the keyboard does: focus first, the old text removed, then
    // the keys, which pass the window's accelerators on their way.
    void Type(int id, const QString& text) {
        window->Control(id)->setFocus();
        field(id).clear();
        QTest::keyClicks(window->Control(id), text);
    }

    QStringList ListTexts(int id) {
        QStringList texts;
        for (int row = 0; row < list(id).Count(); ++row)
            texts << list(id).ItemText(row);
        return texts;
    }

    TempDir dir;
    std::string executableName = "sheetwise";  // the name the window believes it runs under
    ScriptedUserInterface ui;
    std::unique_ptr<MainDialog> window;
    int closedWith = 0;
};

}  // namespace sheetwise::testing
