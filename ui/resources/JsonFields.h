// Checked reading of the resource data files.
//
// The data files are part of the program, but a typing error in one of them has to show up as a
// clear load failure in the tests, not as a control that silently lacks a style. So the readers
// check every member's name, type and range and report the first problem found.
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

namespace sheetwise::json {

// A style name of a data file and the bit it stands for.
struct NamedBit {
    const char* name;
    std::uint32_t bit;
};

// Parses a document whose top level must be an object.
bool ParseObject(const QByteArray& data, QJsonObject& out, QString& error);

// Fails when the object has a member whose name is not in `allowed`.
bool CheckMembers(const QJsonObject& object, std::initializer_list<const char*> allowed,
                  QString& error);

// A whole number in [min, max].
bool ReadInt(const QJsonValue& value, int min, int max, int& out, QString& error);
bool ReadInt(const QJsonObject& object, const char* key, int min, int max, int& out,
             QString& error);

// Leaves `out` as it is when the member is missing.
bool ReadOptionalInt(const QJsonObject& object, const char* key, int min, int max, int& out,
                     QString& error);

bool ReadString(const QJsonObject& object, const char* key, QString& out, QString& error);
bool ReadOptionalString(const QJsonObject& object, const char* key, QString& out, QString& error);
bool ReadOptionalBool(const QJsonObject& object, const char* key, bool& out, QString& error);
bool ReadArray(const QJsonObject& object, const char* key, QJsonArray& out, QString& error);

// An optional array of style names, each of which must be in `names`; their bits are or-ed.
bool ReadBits(const QJsonObject& object, const char* key, std::span<const NamedBit> names,
              std::uint32_t& out, QString& error);

// Looks a single name up in `names`.
bool LookUpName(const QString& name, std::span<const NamedBit> names, std::uint32_t& out);

// Stores the message in `error` and returns false, for one-line failure returns.
bool Fail(QString& error, const QString& message);

// Parses the document and hands its top-level object to `read` (a function of the object, the
// value to fill and the error message). The value, or std::nullopt with the problem in *error.
template <typename T, typename Reader>
std::optional<T> ReadDocument(const QByteArray& data, QString* error, Reader read) {
    QString message;
    QJsonObject top;
    T value{};
    if (ParseObject(data, top, message) && read(top, value, message)) {
        return value;
    }
    if (error) {
        *error = message;
    }
    return std::nullopt;
}

}  // namespace sheetwise::json
