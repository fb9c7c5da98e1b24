#include "ui/resources/DialogTemplateReader.h"

#include <array>

#include "ui/resources/JsonFields.h"
#include "ui/resources/ResourceFile.h"

namespace sheetwise {

namespace {

// A dialog is at most this many dialog units wide or high, and so is any coordinate.
constexpr int kMaxUnits = 4096;

template <typename Style>
constexpr json::NamedBit Named(const char* name, Style style) {
    return {name, static_cast<std::uint32_t>(style)};
}

constexpr std::array kControlStyles{
    Named("tabStop", ControlStyle::TabStop),
    Named("firstOfGroup", ControlStyle::FirstOfGroup),
    Named("disabled", ControlStyle::Disabled),
    Named("border", ControlStyle::Border),
    Named("readOnly", ControlStyle::ReadOnly),
    Named("autoHScroll", ControlStyle::AutoHScroll),
    Named("digitsOnly", ControlStyle::DigitsOnly),
    Named("notify", ControlStyle::Notify),
    Named("vScroll", ControlStyle::VScroll),
    Named("hScroll", ControlStyle::HScroll),
    Named("disableNoScroll", ControlStyle::DisableNoScroll),
    Named("noIntegralHeight", ControlStyle::NoIntegralHeight),
    Named("reportView", ControlStyle::ReportView),
    Named("singleSelection", ControlStyle::SingleSelection),
    Named("showSelectionAlways", ControlStyle::ShowSelectionAlways),
    Named("centred", ControlStyle::Centred),
    Named("noWordWrap", ControlStyle::NoWordWrap),
    Named("iconImage", ControlStyle::IconImage),
    Named("defaultButton", ControlStyle::DefaultButton),
};

constexpr std::array kDialogStyles{
    Named("caption", DialogStyle::Caption),
    Named("systemMenu", DialogStyle::SystemMenu),
    Named("minimizeBox", DialogStyle::MinimizeBox),
    Named("centred", DialogStyle::Centred),
    Named("modal", DialogStyle::Modal),
};

constexpr std::array kKinds{
    Named("listView", ControlKind::ListView), Named("listBox", ControlKind::ListBox),
    Named("edit", ControlKind::Edit),         Named("radioButton", ControlKind::RadioButton),
    Named("checkBox", ControlKind::CheckBox), Named("pushButton", ControlKind::PushButton),
    Named("static", ControlKind::Static),     Named("groupBox", ControlKind::GroupBox),
    Named("icon", ControlKind::Icon),         Named("frame", ControlKind::Frame),
};

bool ReadKind(const QJsonObject& object, ControlKind& kind, QString& error) {
    QString name;
    std::uint32_t value = 0;
    if (!json::ReadString(object, "kind", name, error)) {
        return false;
    }
    if (!json::LookUpName(name, kKinds, value)) {
        return json::Fail(error, QStringLiteral("unknown kind \"%1\"").arg(name));
    }
    kind = static_cast<ControlKind>(value);
    return true;
}

bool ReadRect(const QJsonObject& object, QRect& rect, QString& error) {
    QJsonArray numbers;
    std::array<int, 4> values{};
    if (!json::ReadArray(object, "rect", numbers, error) || numbers.size() != 4) {
        return json::Fail(error, QStringLiteral("\"rect\" is not [x, y, width, height]"));
    }
    for (int i = 0; i < 4; ++i) {
        if (!json::ReadInt(numbers[i], 0, kMaxUnits, values[i], error)) {
            return json::Fail(error, QStringLiteral("\"rect\": %1").arg(error));
        }
    }
    rect = QRect(values[0], values[1], values[2], values[3]);
    return true;
}

bool ReadControl(const QJsonValue& value, DialogControl& control, QString& error) {
    const QJsonObject object = value.toObject();
    if (!value.isObject()) {
        return json::Fail(error, QStringLiteral("a control is not an object"));
    }
    return json::CheckMembers(object, {"id", "kind", "rect", "styles", "text", "image"}, error) &&
           json::ReadOptionalInt(object, "id", 1, 0xFFFF, control.id, error) &&
           ReadKind(object, control.kind, error) && ReadRect(object, control.rect, error) &&
           json::ReadBits(object, "styles", kControlStyles, control.styles, error) &&
           json::ReadOptionalString(object, "text", control.text, error) &&
           json::ReadOptionalInt(object, "image", 1, 0xFFFF, control.imageId, error);
}

bool ReadControls(const QJsonObject& top, DialogTemplate& dialog, QString& error) {
    QJsonArray controls;
    if (!json::ReadArray(top, "controls", controls, error)) {
        return false;
    }
    for (const QJsonValue& value : controls) {
        DialogControl control;
        if (!ReadControl(value, control, error)) {
            return json::Fail(
                error, QStringLiteral("control %1: %2").arg(dialog.controls.size() + 1).arg(error));
        }
        dialog.controls.push_back(control);
    }
    return true;
}

bool ReadFont(const QJsonObject& top, DialogTemplate& dialog, QString& error) {
    const QJsonObject font = top.value(QLatin1String("font")).toObject();
    return json::CheckMembers(font, {"face", "pointSize"}, error) &&
           json::ReadString(font, "face", dialog.fontFace, error) &&
           json::ReadInt(font, "pointSize", 1, 72, dialog.fontPointSize, error);
}

bool ReadDialog(const QJsonObject& top, DialogTemplate& dialog, QString& error) {
    int width = 0;
    int height = 0;
    const bool ok =
        json::CheckMembers(
            top, {"id", "caption", "width", "height", "font", "menu", "styles", "controls"},
            error) &&
        json::ReadInt(top, "id", 1, 0xFFFF, dialog.id, error) &&
        json::ReadOptionalString(top, "caption", dialog.caption, error) &&
        json::ReadInt(top, "width", 1, kMaxUnits, width, error) &&
        json::ReadInt(top, "height", 1, kMaxUnits, height, error) && ReadFont(top, dialog, error) &&
        json::ReadOptionalInt(top, "menu", 1, 0xFFFF, dialog.menuId, error) &&
        json::ReadBits(top, "styles", kDialogStyles, dialog.styles, error) &&
        ReadControls(top, dialog, error);
    dialog.size = QSize(width, height);
    return ok;
}

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(const QByteArray& data, QString* error) {
    return json::ReadDocument<DialogTemplate>(data, error, ReadDialog);
}

std::optional<DialogTemplate> LoadDialogTemplate(int dialogId, QString* error) {
    return LoadResource(QStringLiteral("dialog/%1.json").arg(dialogId), &ReadDialogTemplate, error);
}

}  // namespace sheetwise
