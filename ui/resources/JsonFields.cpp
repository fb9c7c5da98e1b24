#include "ui/resources/JsonFields.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <cmath>

namespace sheetwise::json {

bool Fail(QString& error, const QString& message) {
    error = message;
    return false;
}

bool ParseObject(const QByteArray& data, QJsonObject& out, QString& error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return Fail(
            error,
            QStringLiteral("offset %1: %2").arg(parseError.offset).arg(parseError.errorString()));
    }
    if (!document.isObject()) {
        return Fail(error, QStringLiteral("the top level is not an object"));
    }
    out = document.object();
    return true;
}

bool CheckMembers(const QJsonObject& object, std::initializer_list<const char*> allowed,
                  QString& error) {
    for (const QString& key : object.keys()) {
        const bool known = std::any_of(allowed.begin(), allowed.end(),
                                       [&key](const char* name) { return key == name; });
        if (!known) {
            return Fail(error, QStringLiteral("unknown member \"%1\"").arg(key));
        }
    }
    return true;
}

bool ReadInt(const QJsonValue& value, int min, int max, int& out, QString& error) {
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < min || number > max) {
        return Fail(error,
                    QStringLiteral("expected a whole number from %1 to %2").arg(min).arg(max));
    }
    out = static_cast<int>(number);
    return true;
}

bool ReadInt(const QJsonObject& object, const char* key, int min, int max, int& out,
             QString& error) {
    if (!object.contains(QLatin1String(key))) {
        return Fail(error, QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
    }
    return ReadOptionalInt(object, key, min, max, out, error);
}

bool ReadOptionalInt(const QJsonObject& object, const char* key, int min, int max, int& out,
                     QString& error) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return true;
    }
    if (!ReadInt(value, min, max, out, error)) {
        return Fail(error, QStringLiteral("\"%1\": %2").arg(QLatin1String(key), error));
    }
    return true;
}

bool ReadString(const QJsonObject& object, const char* key, QString& out, QString& error) {
    if (!object.contains(QLatin1String(key))) {
        return Fail(error, QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
    }
    return ReadOptionalString(object, key, out, error);
}

bool ReadOptionalString(const QJsonObject& object, const char* key, QString& out, QString& error) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isString()) {
        return Fail(error, QStringLiteral("\"%1\" is not a text").arg(QLatin1String(key)));
    }
    out = value.toString();
    return true;
}

bool ReadOptionalBool(const QJsonObject& object, const char* key, bool& out, QString& error) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isBool()) {
        return Fail(error, QStringLiteral("\"%1\" is not true or false").arg(QLatin1String(key)));
    }
    out = value.toBool();
    return true;
}

bool ReadArray(const QJsonObject& object, const char* key, QJsonArray& out, QString& error) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isArray()) {
        return Fail(error, QStringLiteral("\"%1\" is not an array").arg(QLatin1String(key)));
    }
    out = value.toArray();
    return true;
}

bool LookUpName(const QString& name, std::span<const NamedBit> names, std::uint32_t& out) {
    for (const NamedBit& entry : names) {
        if (name == QLatin1String(entry.name)) {
            out = entry.bit;
            return true;
        }
    }
    return false;
}

bool ReadBits(const QJsonObject& object, const char* key, std::span<const NamedBit> names,
              std::uint32_t& out, QString& error) {
    out = 0;
    if (!object.contains(QLatin1String(key))) {
        return true;
    }
    QJsonArray list;
    if (!ReadArray(object, key, list, error)) {
        return false;
    }
    for (const QJsonValue& item : list) {
        std::uint32_t bit = 0;
        if (!item.isString() || !LookUpName(item.toString(), names, bit)) {
            return Fail(error, QStringLiteral("unknown style \"%1\"").arg(item.toString()));
        }
        out |= bit;
    }
    return true;
}

}  // namespace sheetwise::json
