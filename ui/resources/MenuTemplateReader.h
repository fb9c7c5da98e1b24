// Reading menu templates from the data files of resources/menu.
//
// A menu file is a JSON object with the menu's "id" and its "items". An item is a command
// {"text", "command"}, a separator {"separator": true} or a pop-up {"text", "items"}.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "ui/resources/MenuTemplate.h"

namespace sheetwise {

// The menu of the data, or std::nullopt with the first problem in *error.
std::optional<MenuTemplate> ReadMenuTemplate(const QByteArray& data, QString* error = nullptr);

// The built-in menu with the id (201, the main window's menu bar).
std::optional<MenuTemplate> LoadMenuTemplate(int menuId, QString* error = nullptr);

}  // namespace sheetwise
