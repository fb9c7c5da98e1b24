// The texts the window's menus and controls are given from the string table at start-up.
#include "ui/window/WindowTexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/resources/MenuTextId.h"
#include "ui/resources/QtText.h"
#include "ui/window/ControlIds.h"

namespace sheetwise {
namespace {

// Marks the first letter of the text that no earlier entry of its menu took, so that the menus
// open with Alt and a letter and their items answer to a letter. A text that has one is kept.
QString WithMnemonic(const QString& text, QString& taken) {
    if (text.contains(u'&'))
        return text;
    const qsizetype end = text.indexOf(u'\t') < 0 ? text.size() : text.indexOf(u'\t');
    for (qsizetype i = 0; i < end; ++i) {
        const QChar letter = text[i].toLower();
        if (letter.isLetter() && !taken.contains(letter)) {
            taken += letter;
            return text.left(i) + u'&' + text.mid(i);
        }
    }
    return text;
}

void AddMnemonics(QMenuBar* bar) {
    QString menus;
    for (QAction* menu : bar->actions()) {
        menu->setText(WithMnemonic(menu->text(), menus));
        if (menu->menu() == nullptr)
            continue;
        QString items;
        for (QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator())
                item->setText(WithMnemonic(item->text(), items));
        }
    }
}

}  // namespace

void ApplyMenuTexts(QMenuBar& menuBar, const std::function<QString(int id)>& label) {
    const QList<QAction*> topLevel = menuBar.actions();
    for (int position = 0; position < topLevel.size(); ++position) {
        QAction* item = topLevel[position];
        if (position <= 2) {
            const auto id = MenuTextId(position);
            const QString text = id ? label(*id) : QString();
            if (!text.isEmpty())
                item->setText(text);
        }
        if (item->menu() == nullptr)
            continue;
        for (QAction* entry : item->menu()->actions()) {
            const int commandId = entry->data().toInt();
            if (entry->isSeparator() || commandId == 0)
                continue;
            const auto id = MenuTextId(commandId);
            const QString text = id ? label(*id) : QString();
            if (!text.isEmpty())
                entry->setText(text);
        }
    }
    AddMnemonics(&menuBar);
    menuBar.update();
}

void ApplyControlLabels(const QHash<int, QWidget*>& controls, const StringProvider& strings,
                        const std::function<void(const QString&)>& reportMissing) {
    struct Step {
        int controlId;
        int stringId;
        const char* missing;
        const char* fallback;
    };
    static const Step kSteps[] = {
        {control::kAdd, 7009, "Unable to find the add button", nullptr},
        {control::kDelete, 7011, "Unable to find the delete button", nullptr},
        {control::kModify, 7010, "Unable to find the modify button", nullptr},
        {control::kDefaultPaperBox, 13143, "Unable to find Default Checkbox", nullptr},
        {control::kPrecollatedBox, 13137, "Unable to find Default Checkbox", nullptr},
        {control::kInserter, 12075, "Unable to find inserter button", nullptr},
        {control::kOneSided, 12080, "Unable to find 1-sided button", nullptr},
        {control::kTwoSided, 12076, "Unable to find 1,2-sided button", nullptr},
        {1054, 10072, "Unable to find imaged sides", nullptr},
        {1056, 13140, "Unable to find static move paper", nullptr},
        {1058, 10115, "Unable to find static name", nullptr},
        {1059, 10096, "Unable to find static size", nullptr},
        {1060, 10097, "Unable to find static color", nullptr},
        {1061, 13173, "Unable to find static weight", "Weight"},
        {1064, 13174, "Unable to find static gsm", "(gsm):"},
        {1062, 10099, "Unable to find static type", nullptr},
        {1057, 13142, "Unable to find static edit attributes", nullptr},
    };
    for (int i = 0; i < 3; ++i) {
        if (controls.value(kSteps[i].controlId, nullptr) == nullptr) {
            reportMissing(QString::fromLatin1(kSteps[i].missing));
            return;
        }
    }
    for (const Step& step : kSteps) {
        QWidget* widget = controls.value(step.controlId, nullptr);
        if (widget == nullptr) {
            reportMissing(QString::fromLatin1(step.missing));
            return;
        }
        std::u16string text;
        const bool found =
            strings.GetString(kLabelPrefix, static_cast<uint16_t>(step.stringId), text);
        QString label = ToQString(text);
        if (!found && step.fallback != nullptr)
            label = QString::fromLatin1(step.fallback);
        if (!found && step.fallback == nullptr)
            continue;
        if (step.controlId == control::kAdd || step.controlId == control::kDelete ||
            step.controlId == control::kModify) {
            label.prepend(u'&');
        }
        widget->setProperty("text", label);
    }
}

}  // namespace sheetwise
