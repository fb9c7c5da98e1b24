#include "ui/resources/StringResourcesReader.h"

#include <set>

#include "ui/resources/JsonFields.h"

namespace sheetwise {

namespace {

std::u16string Wide(const QString& text) {
    return text.toStdU16String();
}

bool ReadStringEntry(const QJsonValue& entry, StringResources& out, std::set<int>& seen,
                     QString& error) {
    const QJsonArray pair = entry.toArray();
    int id = 0;
    if (!entry.isArray() || pair.size() != 2 || !pair[1].isString()) {
        return json::Fail(error, QStringLiteral("a string entry is not [id, \"text\"]"));
    }
    if (!json::ReadInt(pair[0], 0, 0xFFFF, id, error)) {
        return json::Fail(error, QStringLiteral("string id: %1").arg(error));
    }
    if (!seen.insert(id).second) {
        return json::Fail(error, QStringLiteral("string %1 is given twice").arg(id));
    }
    out.SetString(static_cast<std::uint16_t>(id), Wide(pair[1].toString()));
    return true;
}

bool ReadNamedEntry(const QJsonValue& entry, StringResources& out, QString& error) {
    const QJsonObject object = entry.toObject();
    QString type;
    QString name;
    QString text;
    if (!entry.isObject() || !json::CheckMembers(object, {"type", "name", "text"}, error) ||
        !json::ReadString(object, "type", type, error) ||
        !json::ReadString(object, "name", name, error) ||
        !json::ReadString(object, "text", text, error)) {
        return json::Fail(error, QStringLiteral("named resource: %1").arg(error));
    }
    out.SetNamed(Wide(type), Wide(name), Wide(text));
    return true;
}

bool ReadStrings(const QJsonObject& top, StringResources& out, QString& error) {
    QJsonArray strings;
    if (!json::ReadArray(top, "strings", strings, error)) {
        return false;
    }
    std::set<int> seen;
    for (const QJsonValue& entry : strings) {
        if (!ReadStringEntry(entry, out, seen, error)) {
            return false;
        }
    }
    return true;
}

bool ReadNamed(const QJsonObject& top, StringResources& out, QString& error) {
    QJsonArray named;
    if (!top.contains(QLatin1String("named"))) {
        return true;
    }
    if (!json::ReadArray(top, "named", named, error)) {
        return false;
    }
    for (const QJsonValue& entry : named) {
        if (!ReadNamedEntry(entry, out, error)) {
            return false;
        }
    }
    return true;
}

bool ReadAll(const QJsonObject& top, StringResources& out, QString& error) {
    int language = 0;
    return json::CheckMembers(top, {"language", "strings", "named"}, error) &&
           json::ReadOptionalInt(top, "language", 0, 0xFFFF, language, error) &&
           ReadStrings(top, out, error) && ReadNamed(top, out, error);
}

}  // namespace

std::optional<StringResources> ReadStringResources(const QByteArray& data, QString* error) {
    return json::ReadDocument<StringResources>(data, error, ReadAll);
}

}  // namespace sheetwise
