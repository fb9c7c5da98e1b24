#include <gtest/gtest.h>

#include <QKeySequence>

#include "app/AcceleratorTableReader.h"
#include "app/MenuTemplateReader.h"
#include "app/MenuTextId.h"
#include "app/ProgramStrings.h"
#include "app/ResourceIds.h"
#include "app/StringProvider.h"

namespace sheetwise {
namespace {

AcceleratorTable MainAccelerators() {
    QString error;
    const auto table = LoadAcceleratorTable(resource_id::kMainAccelerators, &error);
    EXPECT_TRUE(table) << error.toStdString();
    return table.value_or(AcceleratorTable());
}

QKeyCombination Key(const QString& text) {
    return QKeySequence::fromString(text, QKeySequence::PortableText)[0];
}

TEST(AcceleratorTableTest, MainTableCarriesTheCommandKeysAndTheUnansweredOnes) {
    const AcceleratorTable table = MainAccelerators();
    EXPECT_EQ(table.id, 201);
    const std::pair<const char*, int> keys[] = {
        {"Ctrl+O", 57601}, {"Ctrl+N", 57600},        {"Ctrl+I", 32773},   {"Ctrl+S", 32785},
        {"Ctrl+A", 32787}, {"Alt+X", 32775},         {"Shift+F1", 57669}, {"Ctrl+P", 57607},
        {"Ctrl+Z", 57643}, {"Alt+Backspace", 57643}, {"F6", 57680},       {"Shift+F6", 57681},
    };
    for (const auto& [key, command] : keys) {
        EXPECT_EQ(table.CommandFor(Key(key)), command) << key;
    }
    for (const char* other : {"Ctrl+Q", "Return", "Escape", "Ctrl+Shift+O", "Alt+O", "X"}) {
        EXPECT_EQ(table.CommandFor(Key(other)), std::nullopt) << other;
    }
}

// A shortcut that a menu text shows at its right must be a key of the table that leads to that
// item's command.
TEST(AcceleratorTableTest, EveryShortcutShownInTheMenuReachesItsCommand) {
    const AcceleratorTable table = MainAccelerators();
    const auto menu = LoadMenuTemplate(resource_id::kMainMenu);
    ASSERT_TRUE(menu);
    const StringProvider provider(ProgramStrings());
    int shortcuts = 0;
    for (const MenuItem& popup : menu->items) {
        for (const MenuItem& item : popup.items) {
            std::u16string text;
            const auto id = MenuTextId(item.commandId);
            if (!id || !provider.GetString(kLabelPrefix, *id, text)) {
                continue;
            }
            const auto tab = text.find(u'\t');
            if (tab == std::u16string::npos) {
                continue;
            }
            const QString key = QString::fromStdU16String(text.substr(tab + 1));
            EXPECT_EQ(table.CommandFor(Key(key)), item.commandId) << key.toStdString();
            ++shortcuts;
        }
    }
    EXPECT_EQ(shortcuts, 9);
}

TEST(AcceleratorTableTest, ReaderRejectsDoubledAndMalformedKeys) {
    const char* const broken[] = {
        R"({"id": 1, "entries": [{"key": "Ctrl+O", "command": 1}, {"key": "Ctrl+O", "command": 2}]})",
        R"({"id": 1, "entries": [{"key": "Ctrl+O, Ctrl+P", "command": 1}]})",
        R"({"id": 1, "entries": [{"key": "Ctrl+Nothing", "command": 1}]})",
        R"({"id": 1, "entries": [{"key": "", "command": 1}]})",
        R"({"id": 1, "entries": [{"key": "Ctrl+O"}]})",
        R"({"id": 1, "entries": [{"key": "Ctrl+O", "command": 1, "shift": true}]})",
    };
    for (const char* data : broken) {
        QString error;
        EXPECT_FALSE(ReadAcceleratorTable(data, &error)) << data;
        EXPECT_FALSE(error.isEmpty()) << data;
    }
}

}  // namespace
}  // namespace sheetwise
