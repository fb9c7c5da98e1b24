#include <gtest/gtest.h>

#include <vector>

#include "app/MenuTemplateReader.h"
#include "app/MenuTextId.h"
#include "app/ProgramStrings.h"
#include "app/ResourceIds.h"
#include "app/StringProvider.h"

namespace sheetwise {
namespace {

MenuTemplate MainMenu() {
    QString error;
    const auto menu = LoadMenuTemplate(resource_id::kMainMenu, &error);
    EXPECT_TRUE(menu) << error.toStdString();
    return menu.value_or(MenuTemplate());
}

// Command ids by position; 0 stands for a separator.
std::vector<int> Commands(const MenuItem& popup) {
    std::vector<int> ids;
    for (const MenuItem& item : popup.items) {
        ids.push_back(item.kind == MenuItemKind::Separator ? 0 : item.commandId);
    }
    return ids;
}

TEST(MenuTest, MainMenuHasFileEditAndHelpWithCommandsInTheirPositions) {
    const MenuTemplate menu = MainMenu();
    EXPECT_EQ(menu.id, 201);
    ASSERT_EQ(menu.items.size(), 3u);
    for (const MenuItem& popup : menu.items) {
        EXPECT_EQ(popup.kind, MenuItemKind::Popup);
        EXPECT_EQ(popup.commandId, 0);
    }
    EXPECT_EQ(Commands(menu.items[0]),
              (std::vector<int>{57601, 57600, 32773, 32785, 32787, 0, 32775}));
    EXPECT_EQ(Commands(menu.items[1]),
              (std::vector<int>{57635, 57634, 57637, 0, 1002, 1004, 1003}));
    EXPECT_EQ(Commands(menu.items[2]), (std::vector<int>{57669, 57664}));
    // The Modify item is greyed and enabled by its position in the Edit pop-up.
    EXPECT_EQ(menu.items[1].items[5].commandId, 1004);
    ASSERT_NE(menu.FindCommand(57664), nullptr);
    EXPECT_EQ(menu.FindCommand(57607), nullptr);
}

TEST(MenuTest, MenuTextIdNamesTopLevelPositionsAndCommandItemsOnly) {
    EXPECT_EQ(MenuTextId(0), 7018);
    EXPECT_EQ(MenuTextId(1), 7019);
    EXPECT_EQ(MenuTextId(2), 10116);
    EXPECT_EQ(MenuTextId(57601), 7008);
    EXPECT_EQ(MenuTextId(1004), 7010);
    EXPECT_EQ(MenuTextId(1003), 7011);
    EXPECT_EQ(MenuTextId(57664), 10113);
    for (int other : {3, -1, 57607, 57643, 1014, 32774}) {
        EXPECT_EQ(MenuTextId(other), std::nullopt) << other;
    }
}

// Every item of the menu is relabelled from the string table; a wrong command id in the menu or
// in MenuTextId would leave a placeholder on screen.
TEST(MenuTest, EveryItemOfTheMainMenuHasAStringTableText) {
    const StringProvider provider(ProgramStrings());
    const MenuTemplate menu = MainMenu();
    const char16_t* const titles[] = {u"File", u"Edit", u"Help"};
    for (std::size_t position = 0; position < menu.items.size(); ++position) {
        std::u16string text;
        ASSERT_TRUE(MenuTextId(static_cast<int>(position)));
        EXPECT_TRUE(
            provider.GetString(kLabelPrefix, *MenuTextId(static_cast<int>(position)), text));
        EXPECT_EQ(text, titles[position]);
        for (const MenuItem& item : menu.items[position].items) {
            if (item.kind == MenuItemKind::Separator) {
                continue;
            }
            const auto id = MenuTextId(item.commandId);
            ASSERT_TRUE(id) << item.commandId;
            EXPECT_TRUE(provider.GetString(kLabelPrefix, *id, text) && !text.empty())
                << item.commandId;
        }
    }
}

TEST(MenuTest, ReaderRejectsMalformedItems) {
    const char* const broken[] = {
        R"({"id": 201, "items": [{"text": "&File", "items": [{"text": "Open"}]}]})",
        R"({"id": 201, "items": [{"text": "&File", "command": 5, "items": []}]})",
        R"({"id": 201, "items": [{"separator": true, "text": "-"}]})",
        R"({"id": 201, "items": [{"text": "Open", "comand": 5}]})",
        R"({"items": []})",
    };
    for (const char* data : broken) {
        QString error;
        EXPECT_FALSE(ReadMenuTemplate(data, &error)) << data;
        EXPECT_FALSE(error.isEmpty()) << data;
    }
}

}  // namespace
}  // namespace sheetwise
