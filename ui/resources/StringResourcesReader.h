// Reading a module's texts from the string data file of resources/strings.
//
// The file is a JSON object:
//   "language": the language number of the texts (informational);
//   "strings":  [[id, "text"], ...], the string table, one id at most once;
//   "named":    [{"type": "MSG#", "name": "+-7866", "text": "..."}, ...], named text resources
//               for ids that have no block in the string table.
// JSON's own escapes carry tabs, line breaks and quotes, and a trailing blank is safe inside the
// quotes, so every text can be written exactly.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "ui/resources/StringResources.h"

namespace sheetwise {

// The texts of the file, or std::nullopt with the first problem in *error.
std::optional<StringResources> ReadStringResources(const QByteArray& data,
                                                   QString* error = nullptr);

}  // namespace sheetwise
