#include "ui/resources/MenuTemplateReader.h"

#include "ui/resources/JsonFields.h"
#include "ui/resources/ResourceFile.h"

namespace sheetwise {

namespace {

// Pop-ups inside pop-ups are allowed, but not without end.
constexpr int kMaxDepth = 4;

bool ReadItem(const QJsonObject& object, MenuItem& item, QString& error) {
    bool separator = false;
    if (!json::CheckMembers(object, {"text", "command", "separator", "items"}, error) ||
        !json::ReadOptionalBool(object, "separator", separator, error)) {
        return false;
    }
    if (separator) {
        item.kind = MenuItemKind::Separator;
        return object.size() == 1 ||
               json::Fail(error, QStringLiteral("a separator has nothing but \"separator\""));
    }
    if (!json::ReadString(object, "text", item.text, error)) {
        return false;
    }
    if (object.contains(QLatin1String("items"))) {
        item.kind = MenuItemKind::Popup;
        return !object.contains(QLatin1String("command")) ||
               json::Fail(error, QStringLiteral("a pop-up has no command"));
    }
    return json::ReadInt(object, "command", 1, 0xFFFF, item.commandId, error);
}

bool ReadItems(const QJsonObject& object, std::vector<MenuItem>& items, int depth, QString& error) {
    QJsonArray list;
    if (depth > kMaxDepth) {
        return json::Fail(error, QStringLiteral("pop-ups are nested too deeply"));
    }
    if (!json::ReadArray(object, "items", list, error)) {
        return false;
    }
    for (const QJsonValue& value : list) {
        MenuItem item;
        const QJsonObject itemObject = value.toObject();
        if (!ReadItem(itemObject, item, error) ||
            (item.kind == MenuItemKind::Popup &&
             !ReadItems(itemObject, item.items, depth + 1, error))) {
            return false;
        }
        items.push_back(std::move(item));
    }
    return true;
}

bool ReadMenu(const QJsonObject& top, MenuTemplate& menu, QString& error) {
    return json::CheckMembers(top, {"id", "items"}, error) &&
           json::ReadInt(top, "id", 1, 0xFFFF, menu.id, error) &&
           ReadItems(top, menu.items, 0, error);
}

}  // namespace

std::optional<MenuTemplate> ReadMenuTemplate(const QByteArray& data, QString* error) {
    return json::ReadDocument<MenuTemplate>(data, error, ReadMenu);
}

std::optional<MenuTemplate> LoadMenuTemplate(int menuId, QString* error) {
    return LoadResource(QStringLiteral("menu/%1.json").arg(menuId), &ReadMenuTemplate, error);
}

}  // namespace sheetwise
