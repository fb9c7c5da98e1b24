// Reading dialog templates from the data files of resources/dialog.
//
// A template file is a JSON object: "id", "caption", "width" and "height" (dialog units), "font"
// {"face", "pointSize"}, an optional "menu" id, optional "styles" (caption, systemMenu,
// minimizeBox, centred, modal) and "controls", in template order. A control has an optional "id"
// (none for controls nobody looks up), a "kind" (listView, listBox, edit, radioButton, checkBox,
// pushButton, static, groupBox, icon, frame), a "rect" [x, y, width, height], optional "styles"
// named like the ControlStyle values in lower camel case ("tabStop", "firstOfGroup"...), an
// optional placeholder "text" and, for an icon, the "image" resource id.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "ui/resources/DialogTemplate.h"

namespace sheetwise {

// The template of the data, or std::nullopt with the first problem in *error. Unknown members,
// kinds and style names are problems, so that a misspelt style cannot pass unnoticed.
std::optional<DialogTemplate> ReadDialogTemplate(const QByteArray& data, QString* error = nullptr);

// The built-in template with the id (129 main window, 100 About box).
std::optional<DialogTemplate> LoadDialogTemplate(int dialogId, QString* error = nullptr);

}  // namespace sheetwise
