// Access to the data files compiled into the program from resources/ (strings, dialog templates,
// menu, accelerators, icons).
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace sheetwise {

// The contents of a built-in file named relative to resources/, such as "dialog/129.json";
// std::nullopt when there is no such file.
std::optional<QByteArray> ReadResourceFile(const QString& name);

// Reads a built-in file with `read` (one of the data readers, such as ReadDialogTemplate).
template <typename T>
std::optional<T> LoadResource(const QString& name,
                              std::optional<T> (*read)(const QByteArray&, QString*),
                              QString* error) {
    const std::optional<QByteArray> data = ReadResourceFile(name);
    if (!data) {
        if (error) {
            *error = QStringLiteral("there is no built-in file %1").arg(name);
        }
        return std::nullopt;
    }
    return read(*data, error);
}

}  // namespace sheetwise
