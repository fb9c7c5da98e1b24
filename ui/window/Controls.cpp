// The controls of the window: list columns, field limits and which buttons are enabled.
#include <QAbstractButton>
#include <QHeaderView>

#include "ui/widgets/EditField.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/MainDialog.h"

namespace sheetwise {

PaperListView* MainDialog::paperList() const {
    return qobject_cast<PaperListView*>(Control(control::kPaperList));
}

ListBox* MainDialog::listBox(int id) const {
    return qobject_cast<ListBox*>(Control(id));
}

EditField* MainDialog::editField(int id) const {
    return qobject_cast<EditField*>(Control(id));
}

QAbstractButton* MainDialog::button(int id) const {
    return qobject_cast<QAbstractButton*>(Control(id));
}

void MainDialog::SetupListColumns() {
    PaperListView* list = paperList();
    if (list == nullptr)
        return;
    struct Column {
        int headerId;
        int extra;
    };
    static const Column kColumns[] = {{10115, 15}, {10096, 90},  {10097, 110},
                                      {10098, 50}, {10099, 110}, {10072, 130}};
    QStringList headers;
    for (const Column& column : kColumns)
        headers << Label(column.headerId);
    list->rows().SetHeaders(headers);
    const QFontMetrics metrics(list->horizontalHeader()->font());
    for (int i = 0; i < kPaperListColumns; ++i) {
        // The mode column is sized for the word "Mode", whatever its header says.
        const QString measured = i == 5 ? QStringLiteral("Mode") : headers[i];
        list->setColumnWidth(i, metrics.horizontalAdvance(measured) + kColumns[i].extra);
    }
    list->setColumnWidth(0, 200);
    list->rows().SetMarks(
        [this](int row) {
            return PaperRowMarks{row == catalog_.GetDefaultIndex(),
                                 catalog_.GetPrecollated(row) == 1};
        },
        Label(13137));
}

void MainDialog::LimitFieldLengths() {
    static const std::pair<int, int> kLimits[] = {{control::kColourField, 19},
                                                  {control::kWeightField, 3},
                                                  {control::kTypeField, 19},
                                                  {control::kNameField, 31}};
    for (const auto& [id, limit] : kLimits) {
        EditField* field = editField(id);
        if (field == nullptr)
            return;  // it and the fields after it get no limit
        field->SetTypingLimit(limit);
    }
}

void MainDialog::EnableCommandButton(int id) {
    static const QHash<int, QString> kNames = {{control::kAdd, " Add "},
                                               {control::kDelete, " Delete "},
                                               {control::kModify, " Modify "},
                                               {control::kMoveUp, " Up "},
                                               {control::kMoveDown, " Down "}};
    QAbstractButton* target = button(id);
    if (target == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the") + kNames.value(id) +
                       QStringLiteral("Button."));
        return;
    }
    const int rows = paperList() ? paperList()->ItemCount() : 0;
    if (id == control::kMoveDown) {
        target->setEnabled(selectedRow_ != rows - 1);
    } else if (id == control::kMoveUp) {
        target->setEnabled(selectedRow_ != 0);
    } else {
        if (id == control::kModify)
            SetModifyMenuEnabled(true);
        target->setEnabled(true);
    }
}

void MainDialog::DisableModifyButton() {
    if (QAbstractButton* modify = button(control::kModify))
        modify->setEnabled(false);
    SetModifyMenuEnabled(false);
}

void MainDialog::EnableEditFields() {
    static const std::pair<int, const char*> kFields[] = {
        {control::kNameField, "Unable to find Paper Name Edit box"},
        {control::kSizeField, "Unable to find Paper Size Edit box"},
        {control::kWeightField, "Unable to find Paper Weight Edit box"},
        {control::kColourField, "Unable to find Paper Color Edit box"},
        {control::kTypeField, "Unable to find Paper Type Edit box"}};
    for (const auto& [id, missing] : kFields) {
        QWidget* field = Control(id);
        if (field == nullptr) {
            ShowFixedError(QString::fromLatin1(missing));
            return;
        }
        field->setEnabled(true);
    }
}

}  // namespace sheetwise
