#include "ui/window/DialogBuilder.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/resources/ProgramIcons.h"
#include "ui/widgets/EditField.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"

namespace sheetwise {
namespace {

QWidget* MakeEdit(const DialogControl& control, QWidget* parent) {
    auto* edit = new EditField(control.Has(ControlStyle::DigitsOnly), parent);
    edit->setReadOnly(control.Has(ControlStyle::ReadOnly));
    edit->setFrame(control.Has(ControlStyle::Border));
    return edit;
}

QWidget* MakeListBox(const DialogControl& control, QWidget* parent) {
    auto* list = new ListBox(parent);
    const auto policy =
        control.Has(ControlStyle::DisableNoScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    if (control.Has(ControlStyle::VScroll))
        list->setVerticalScrollBarPolicy(policy);
    if (control.Has(ControlStyle::HScroll))
        list->setHorizontalScrollBarPolicy(policy);
    return list;
}

QWidget* MakeStatic(const DialogControl& control, QWidget* parent) {
    auto* label = new QLabel(control.text, parent);
    label->setAlignment((control.Has(ControlStyle::Centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    label->setWordWrap(!control.Has(ControlStyle::NoWordWrap));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QWidget* MakeGroupBox(const DialogControl& control, QWidget* parent, const DialogUnits& units) {
    // A group frame only a few units high is drawn as a horizontal rule.
    if (units.ToPixels(control.rect).height() < 12) {
        auto* rule = new QFrame(parent);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        return rule;
    }
    return new QGroupBox(control.text, parent);
}

QWidget* MakeIcon(const DialogControl& control, QWidget* parent, const DialogUnits& units) {
    auto* label = new QLabel(parent);
    const QSize size = units.ToPixels(control.rect).size();
    const int side = std::max(32, std::min(size.width(), size.height()));
    label->setPixmap(LoadProgramIcon(control.imageId).pixmap(side, side));
    return label;
}

QWidget* MakeControl(const DialogControl& control, QWidget* parent, const DialogUnits& units) {
    switch (control.kind) {
        case ControlKind::ListView:
            return new PaperListView(parent);
        case ControlKind::ListBox:
            return MakeListBox(control, parent);
        case ControlKind::Edit:
            return MakeEdit(control, parent);
        case ControlKind::RadioButton:
            return new QRadioButton(control.text, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(control.text, parent);
        case ControlKind::PushButton: {
            auto* button = new QPushButton(control.text, parent);
            button->setAutoDefault(false);
            button->setDefault(control.Has(ControlStyle::DefaultButton));
            return button;
        }
        case ControlKind::Static:
            return MakeStatic(control, parent);
        case ControlKind::GroupBox:
            return MakeGroupBox(control, parent, units);
        case ControlKind::Icon:
            return MakeIcon(control, parent, units);
        case ControlKind::Frame: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            return frame;
        }
    }
    return new QWidget(parent);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = std::max(1, (metrics.horizontalAdvance(kAlphabet) / 26 + 1) / 2);
    baseY_ = std::max(1, metrics.height());
}

QRect DialogUnits::ToPixels(const QRect& units) const {
    return QRect(units.x() * baseX_ / 4, units.y() * baseY_ / 8, units.width() * baseX_ / 4,
                 units.height() * baseY_ / 8);
}

QSize DialogUnits::ToPixels(const QSize& units) const {
    return QSize(units.width() * baseX_ / 4, units.height() * baseY_ / 8);
}

QHash<int, QWidget*> BuildControls(const DialogTemplate& dialog, QWidget* parent,
                                   const DialogUnits& units) {
    QHash<int, QWidget*> controls;
    for (const DialogControl& control : dialog.controls) {
        QWidget* widget = MakeControl(control, parent, units);
        widget->setGeometry(units.ToPixels(control.rect));
        widget->setEnabled(!control.Has(ControlStyle::Disabled));
        widget->setFocusPolicy(control.Has(ControlStyle::TabStop) ? Qt::StrongFocus
                                                                  : Qt::ClickFocus);
        if (control.kind == ControlKind::Static || control.kind == ControlKind::GroupBox ||
            control.kind == ControlKind::Icon || control.kind == ControlKind::Frame) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        if (control.id != kNoControlId && !controls.contains(control.id)) {
            controls.insert(control.id, widget);
        }
    }
    return controls;
}

}  // namespace sheetwise
