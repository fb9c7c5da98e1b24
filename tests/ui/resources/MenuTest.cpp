#include <gtest/gtest.h>

#include <QKeySequence>
#include <QStringList>

#include "ui/resources/AcceleratorTableReader.h"
#include "ui/resources/MenuTemplateReader.h"
#include "ui/resources/MenuTextId.h"
#include "ui/resources/ProgramStrings.h"
#include "ui/resources/ResourceIds.h"
#include "ui/resources/StringProvider.h"

namespace sheetwise {
namespace {

MenuTemplate MainMenu() {
    QString error;
    const auto menu = LoadMenuTemplate(resource_id::kMainMenu, &error);
    EXPECT_TRUE(menu) << error.toStdString();
    return menu.value_or(MenuTemplate());
}

// Every item is relabelled from the string table: a wrong id in the menu or in MenuTextId would
// show a placeholder or another item's text. A shortcut that a text shows after its tab must be a
// key of the accelerator table that leads to that item's command.
TEST(MenuTest, EveryItemGetsItsOwnTextAndEveryShownShortcutReachesItsCommand) {
    const MenuTemplate menu = MainMenu();
    const auto table = LoadAcceleratorTable(resource_id::kMainAccelerators);
    ASSERT_TRUE(table);
    const StringProvider provider(ProgramStrings());
    auto label = [&](int positionOrCommand) {
        std::u16string text = u"<none>";
        const auto id = MenuTextId(positionOrCommand);
        EXPECT_TRUE(id && provider.GetString(kLabelPrefix, *id, text)) << positionOrCommand;
        return QString::fromStdU16String(text);
    };
    EXPECT_EQ(label(0) + label(1) + label(2), "FileEditHelp");
    EXPECT_EQ(MenuTextId(3), std::nullopt);
    EXPECT_EQ(MenuTextId(57607), std::nullopt);
    int shortcuts = 0;
    for (const MenuItem& popup : menu.items) {
        for (const MenuItem& item : popup.items) {
            if (item.kind == MenuItemKind::Separator)
                continue;
            const QStringList parts = label(item.commandId).split(u'\t');
            for (const QString& word : QString(item.text).remove(u'&').split(u' '))
                EXPECT_TRUE(parts[0].contains(word)) << parts[0].toStdString();
            if (parts.size() == 2) {
                const auto key = QKeySequence::fromString(parts[1], QKeySequence::PortableText);
                EXPECT_EQ(table->CommandFor(key[0]), item.commandId) << parts[1].toStdString();
                ++shortcuts;
            }
        }
    }
    EXPECT_EQ(shortcuts, 15);
}

}  // namespace
}  // namespace sheetwise
