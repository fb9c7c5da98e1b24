#include "cli/EditScript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>
#include <optional>

#include "formats/PaperDefinition.h"

namespace sheetwise::cli {
namespace {

// The keys each edit takes besides "edit": those it needs, and those it may have.
struct EditKeys {
    EditKind kind;
    std::vector<const char*> required;
    std::vector<const char*> optional;
};

const std::vector<EditKeys>& KeysOfEdits() {
    static const std::vector<EditKeys> keys = {
        {EditKind::kAdd, {"name", "size", "weight", "colour", "type"}, {"sides", "precollated"}},
        {EditKind::kModify, {"name"}, {"size", "weight", "colour", "type", "sides", "precollated"}},
        {EditKind::kRename, {"name", "newName"}, {}},
        {EditKind::kDelete, {"name"}, {}},
        {EditKind::kMove, {"name"}, {"up", "down", "to"}},
        {EditKind::kSetDefault, {"name"}, {}},
        {EditKind::kAddValue, {"kind", "value"}, {}},
        {EditKind::kDeleteValue, {"kind", "value"}, {}},
    };
    return keys;
}

const EditKeys& KeysOf(EditKind kind) {
    const auto& all = KeysOfEdits();
    return *std::find_if(all.begin(), all.end(), [&](const EditKeys& k) { return k.kind == kind; });
}

bool Takes(const EditKeys& keys, const QString& key) {
    const auto named = [&](const char* name) { return key == QLatin1String(name); };
    return std::any_of(keys.required.begin(), keys.required.end(), named) ||
           std::any_of(keys.optional.begin(), keys.optional.end(), named);
}

std::string Key(const char* key) {
    return std::string("\"") + key + "\"";
}

// Reads the values of one edit object; the first fault ends it.
class EditReader {
  public:
    explicit EditReader(const QJsonObject& object) : object_(object) {}

    const std::string& problem() const { return problem_; }

    bool Text(const char* key, std::u16string& value) {
        const QJsonValue json = object_.value(QLatin1String(key));
        if (!json.isString() || json.toString().isEmpty())
            return Fail(Key(key) + " must be a text that is not empty");
        value = json.toString().toStdU16String();
        return true;
    }

    bool OptionalText(const char* key, std::optional<std::u16string>& value) {
        if (!object_.contains(QLatin1String(key)))
            return true;
        value.emplace();
        return Text(key, *value);
    }

    // A whole number at least `minimum`, or when `text` allows, a text.
    bool NumberOrText(const char* key, std::optional<std::u16string>& value, int64_t minimum,
                      bool (*textAllowed)(std::u16string_view), const char* what) {
        if (!object_.contains(QLatin1String(key)))
            return true;
        const QJsonValue json = object_.value(QLatin1String(key));
        if (json.isString() && !json.toString().isEmpty() &&
            textAllowed(json.toString().toStdU16String())) {
            value = json.toString().toStdU16String();
            return true;
        }
        const std::optional<int64_t> number = WholeNumber(json);
        if (!number || *number < minimum)
            return Fail(Key(key) + " must be " + what);
        value = QString::number(*number).toStdU16String();
        return true;
    }

    bool Integer(const char* key, int32_t& value, int64_t minimum, int64_t maximum,
                 const char* what) {
        const std::optional<int64_t> number = WholeNumber(object_.value(QLatin1String(key)));
        if (!number || *number < minimum || *number > maximum)
            return Fail(Key(key) + " must be " + what);
        value = static_cast<int32_t>(*number);
        return true;
    }

    bool Flag(const char* key, std::optional<bool>& value) {
        if (!object_.contains(QLatin1String(key)))
            return true;
        const QJsonValue json = object_.value(QLatin1String(key));
        if (!json.isBool())
            return Fail(Key(key) + " must be true or false");
        value = json.toBool();
        return true;
    }

    bool Fail(std::string problem) {
        problem_ = std::move(problem);
        return false;
    }

  private:
    static std::optional<int64_t> WholeNumber(const QJsonValue& json) {
        if (!json.isDouble())
            return std::nullopt;
        const double number = json.toDouble();
        if (number != std::floor(number) || std::fabs(number) > 2147483647.0)
            return std::nullopt;
        return static_cast<int64_t>(number);
    }

    const QJsonObject& object_;
    std::string problem_;
};

bool AnyText(std::u16string_view) {
    return true;
}

bool WeightText(std::u16string_view text) {
    return IsWeightText(text);
}

bool ReadFields(EditReader& reader, FieldValues& fields) {
    return reader.NumberOrText("size", fields.size, 1, AnyText,
                               "a size number from 1, or a size's text") &&
           reader.NumberOrText("weight", fields.weight, 0, WeightText,
                               "a whole number of gsm, or \"*\"") &&
           reader.OptionalText("colour", fields.colour) &&
           reader.OptionalText("type", fields.type) &&
           reader.Flag("precollated", fields.precollated);
}

bool ReadSides(EditReader& reader, const QJsonObject& object, FieldValues& fields) {
    if (!object.contains(QLatin1String("sides")))
        return true;
    int32_t sides = 0;
    if (!reader.Integer("sides", sides, 0, 2, "0 (Inserter), 1 (1-Sided) or 2 (1, 2-Sided)"))
        return false;
    fields.sides = sides;
    return true;
}

bool ReadMove(EditReader& reader, const QJsonObject& object, CatalogEdit& edit) {
    std::optional<bool> up;
    std::optional<bool> down;
    if (!reader.Flag("up", up) || !reader.Flag("down", down))
        return false;
    const int given =
        int(up.has_value()) + int(down.has_value()) + int(object.contains(QLatin1String("to")));
    if (given != 1)
        return reader.Fail("move takes one of \"up\", \"down\" or \"to\"");
    if ((up && !*up) || (down && !*down))
        return reader.Fail(std::string(up ? "\"up\"" : "\"down\"") + " must be true");
    edit.step = up ? -1 : down ? 1 : 0;
    return edit.step != 0 || reader.Integer("to", edit.position, 1, 2147483647,
                                            "a position from 1 (the first paper)");
}

bool ReadValue(EditReader& reader, const QJsonObject& object, CatalogEdit& edit) {
    const QJsonValue kind = object.value(QLatin1String("kind"));
    const std::optional<int32_t> found =
        kind.isString() ? FindValueKind(kind.toString().toStdU16String()) : std::nullopt;
    if (!found)
        return reader.Fail("\"kind\" must be \"colour\", \"type\" or \"weight\"");
    edit.valueKind = *found;
    if (edit.valueKind != kWeights)
        return reader.Text("value", edit.value);
    std::optional<std::u16string> weight;
    if (!reader.NumberOrText("value", weight, 0, WeightText, "a whole number of gsm, or \"*\""))
        return false;
    edit.value = *weight;
    return true;
}

bool ReadEdit(const QJsonObject& object, EditKind kind, CatalogEdit& edit, std::string& problem) {
    EditReader reader(object);
    edit.kind = kind;
    const EditKeys& keys = KeysOf(kind);
    for (const char* key : keys.required) {
        if (!object.contains(QLatin1String(key))) {
            problem = std::string(EditKindName(kind)) + " needs " + Key(key);
            return false;
        }
    }
    bool read = true;
    switch (kind) {
        case EditKind::kAdd:
        case EditKind::kModify:
            read = reader.Text("name", edit.name) && ReadFields(reader, edit.fields) &&
                   ReadSides(reader, object, edit.fields);
            if (read && !edit.fields.any())
                read = reader.Fail("modify needs at least one value to change");
            break;
        case EditKind::kRename:
            read = reader.Text("name", edit.name) && reader.Text("newName", edit.newName);
            break;
        case EditKind::kMove:
            read = reader.Text("name", edit.name) && ReadMove(reader, object, edit);
            break;
        case EditKind::kDelete:
        case EditKind::kSetDefault:
            read = reader.Text("name", edit.name);
            break;
        case EditKind::kAddValue:
        case EditKind::kDeleteValue:
            read = ReadValue(reader, object, edit);
            break;
    }
    problem = reader.problem();
    return read;
}

std::string KnownEdits() {
    std::string known;
    for (const std::string& name : EditKindNames())
        known += (known.empty() ? "" : ", ") + name;
    return known;
}

// One element of the array; false with the cause of its fault.
bool ReadElement(const QJsonValue& element, CatalogEdit& edit, std::string& problem) {
    if (!element.isObject()) {
        problem = "an edit is an object, such as {\"edit\": \"delete\", \"name\": \"Old\"}";
        return false;
    }
    const QJsonObject object = element.toObject();
    const QJsonValue name = object.value(QLatin1String("edit"));
    if (!name.isString()) {
        problem = "\"edit\" must name the edit (" + KnownEdits() + ")";
        return false;
    }
    const std::optional<EditKind> kind = FindEditKind(name.toString().toStdU16String());
    if (!kind) {
        problem = "unknown edit \"" + name.toString().toStdString() + "\" (" + KnownEdits() + ")";
        return false;
    }
    for (auto key = object.begin(); key != object.end(); ++key) {
        if (key.key() != QLatin1String("edit") && !Takes(KeysOf(*kind), key.key())) {
            problem =
                std::string(EditKindName(*kind)) + " takes no \"" + key.key().toStdString() + "\"";
            return false;
        }
    }
    return ReadEdit(object, *kind, edit, problem);
}

}  // namespace

EditScript ParseEditScript(std::string_view bytes) {
    EditScript script;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (document.isNull()) {
        script.problem = "not JSON: " + error.errorString().toStdString() + " at byte " +
                         std::to_string(error.offset + 1);
        return script;
    }
    if (!document.isArray()) {
        script.problem = "an edit script is a JSON array of edits, [{\"edit\": ...}, ...]";
        return script;
    }
    const QJsonArray array = document.array();
    for (qsizetype i = 0; i < array.size(); ++i) {
        CatalogEdit edit;
        std::string problem;
        if (!ReadElement(array.at(i), edit, problem)) {
            script.problem = "edit " + std::to_string(i + 1) + ": " + problem;
            return script;
        }
        script.edits.push_back(std::move(edit));
    }
    script.ok = true;
    return script;
}

}  // namespace sheetwise::cli
