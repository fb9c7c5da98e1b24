// The one conversion between the catalog's wide strings and Qt's: both are UTF-16, so nothing is
// lost either way.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace sheetwise {

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToWide(const QString& text) {
    return text.toStdU16String();
}

}  // namespace sheetwise
