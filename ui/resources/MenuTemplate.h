// A menu bar template: top-level pop-ups holding command items and separators.
//
// The texts of the template are design-time placeholders; at start-up the window replaces each by
// the string-table text that MenuTextId names. Items are addressed by position as well as by
// command id (the Edit pop-up's Modify item, for one, is enabled and greyed by its position 5).
#pragma once

#include <QString>
#include <vector>

namespace sheetwise {

enum class MenuItemKind { Command, Separator, Popup };

struct MenuItem {
    MenuItemKind kind = MenuItemKind::Command;
    QString text;
    int commandId = 0;            // 0 for separators and pop-ups
    std::vector<MenuItem> items;  // the items of a pop-up
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuItem> items;  // the menu bar, left to right

    // The first command item with the id anywhere in the menu, or nullptr.
    const MenuItem* FindCommand(int commandId) const;
};

}  // namespace sheetwise
