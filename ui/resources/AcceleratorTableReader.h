// Reading accelerator tables from the data files of resources/accelerators.
//
// A table file is a JSON object with the table's "id", its "entries" [{"key", "command"}, ...]
// and an optional "comment" (a text or an array of texts) that explains the choice of keys. Keys
// are written the way Qt writes key sequences in portable text: "Ctrl+O", "Shift+F1",
// "Alt+Backspace"; each must be a single key with its modifiers.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "ui/resources/AcceleratorTable.h"

namespace sheetwise {

// The table of the data, or std::nullopt with the first problem in *error. A key given twice is a
// problem: it could only ever reach its first command.
std::optional<AcceleratorTable> ReadAcceleratorTable(const QByteArray& data,
                                                     QString* error = nullptr);

// The built-in table with the id (201, the main window's keys).
std::optional<AcceleratorTable> LoadAcceleratorTable(int tableId, QString* error = nullptr);

}  // namespace sheetwise
