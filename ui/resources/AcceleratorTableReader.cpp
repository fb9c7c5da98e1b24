#include "ui/resources/AcceleratorTableReader.h"

#include <QKeySequence>

#include "ui/resources/JsonFields.h"
#include "ui/resources/ResourceFile.h"

namespace sheetwise {

namespace {

bool ReadKey(const QJsonObject& object, QKeyCombination& key, QString& error) {
    QString text;
    if (!json::ReadString(object, "key", text, error)) {
        return false;
    }
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) {
        return json::Fail(error, QStringLiteral("\"%1\" is not a single key").arg(text));
    }
    key = sequence[0];
    return true;
}

bool ReadEntry(const QJsonValue& value, const AcceleratorTable& table, Accelerator& entry,
               QString& error) {
    const QJsonObject object = value.toObject();
    if (!json::CheckMembers(object, {"key", "command"}, error) ||
        !ReadKey(object, entry.key, error) ||
        !json::ReadInt(object, "command", 1, 0xFFFF, entry.commandId, error)) {
        return false;
    }
    return !table.CommandFor(entry.key) ||
           json::Fail(error,
                      QStringLiteral("%1 is given twice")
                          .arg(QKeySequence(entry.key).toString(QKeySequence::PortableText)));
}

bool ReadTable(const QJsonObject& top, AcceleratorTable& table, QString& error) {
    QJsonArray entries;
    if (!json::CheckMembers(top, {"id", "comment", "entries"}, error) ||
        !json::ReadInt(top, "id", 1, 0xFFFF, table.id, error) ||
        !json::ReadArray(top, "entries", entries, error)) {
        return false;
    }
    for (const QJsonValue& value : entries) {
        Accelerator entry;
        if (!ReadEntry(value, table, entry, error)) {
            return false;
        }
        table.entries.push_back(entry);
    }
    return true;
}

}  // namespace

std::optional<AcceleratorTable> ReadAcceleratorTable(const QByteArray& data, QString* error) {
    return json::ReadDocument<AcceleratorTable>(data, error, ReadTable);
}

std::optional<AcceleratorTable> LoadAcceleratorTable(int tableId, QString* error) {
    return LoadResource(QStringLiteral("accelerators/%1.json").arg(tableId), &ReadAcceleratorTable,
                        error);
}

}  // namespace sheetwise
