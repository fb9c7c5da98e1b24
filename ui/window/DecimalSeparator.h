// The decimal separator of the user's locale. The sizes list shows sizes with it and imported
// sizes are matched against those texts, so the editor and sheetwise-cli must take it from the
// same place to import the same catalog.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace sheetwise {

// At most 8 characters; nothing when the locale names none.
inline std::optional<QString> SystemDecimalSeparator() {
    const QString separator = QLocale::system().decimalPoint();
    if (separator.isEmpty())
        return std::nullopt;
    return separator.left(8);
}

}  // namespace sheetwise
