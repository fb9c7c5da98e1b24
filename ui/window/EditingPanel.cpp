// What the operator does in the editing panel and the paper list, passed on to the session.
// The session decides and tells; the window only finds the control that was used, and says so
// when the template lacks it.
#include <QAbstractButton>
#include <QApplication>

#include "ui/resources/QtText.h"
#include "ui/widgets/EditField.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/MainDialog.h"
#include "ui/window/PaperListPanel.h"

namespace sheetwise {
namespace {

int32_t ListKind(int listId) {
    return listId == control::kWeightList ? kWeights
           : listId == control::kTypeList ? kTypes
                                          : kColours;
}

}  // namespace

bool MainDialog::DispatchEditingCommand(int id) {
    switch (id) {
        case control::kOk:
            OnEnter();
            return true;
        case control::kAdd:
            session_.Add(prompts_);
            return true;
        case control::kModify:
            OnModify();
            return true;
        case control::kDelete:
            OnDelete();
            return true;
        case control::kMoveUp:
        case control::kMoveDown:
            OnMove(id);
            return true;
        case control::kDefaultPaperBox:
            OnDefaultPaper();
            return true;
        case control::kPrecollatedBox:
        case control::kInserter:
        case control::kOneSided:
        case control::kTwoSided:
            OnCheckOrRadio(id);
            return true;
        case control::kColourList:
        case control::kSizeList:
        case control::kTypeList:
        case control::kWeightList:
        case control::kNameList:
            OnListClick(id);
            return true;
        case control::kNameField:
        case control::kColourField:
        case control::kTypeField:
        case control::kWeightField:
            OnFieldChange(id);
            return true;
        default:
            return false;
    }
}

// Enter never closes the window. In an editing field it runs the command the typing calls for:
// Add for a new name, Modify for changed values of the paper shown; elsewhere nothing.
void MainDialog::OnEnter() {
    const int field = controls_.key(QApplication::focusWidget(), 0);
    if (field != control::kNameField && field != control::kColourField &&
        field != control::kTypeField && field != control::kWeightField)
        return;
    switch (session_.EnterCommand()) {
        case EditingSession::Evident::kAdd:
            session_.Add(prompts_);
            return;
        case EditingSession::Evident::kModify:
            OnModify();
            return;
        case EditingSession::Evident::kNone:
            return;
    }
}

void MainDialog::OnModify() {
    if (button(control::kModify) == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Modify Button"));
        return;
    }
    session_.Modify(prompts_);
}

void MainDialog::OnDelete() {
    if (button(control::kDelete) == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Delete Button"));
        return;
    }
    if (activeList_ == control::kPaperList) {
        session_.DeletePaper(prompts_);
        return;
    }
    // Sizes and names are not deleted here; neither is anything without a list.
    if (activeList_ != control::kColourList && activeList_ != control::kTypeList &&
        activeList_ != control::kWeightList)
        return;
    ListBox* list = listBox(activeList_);
    if (list == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the List box"));
    } else if (list->SelectedRow() < 0) {
        ShowFixedError(QStringLiteral("Unable to get  selection"));
    } else if (list->ItemData(list->SelectedRow()) == -1) {
        ShowFixedError(QStringLiteral("Unable to get index of selection"));
    } else {
        session_.DeleteValue(ListKind(activeList_), list->ItemData(list->SelectedRow()), prompts_);
    }
}

void MainDialog::OnDefaultPaper() {
    QAbstractButton* box = button(control::kDefaultPaperBox);
    if (box == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find Default Paper checkbox"));
        return;
    }
    session_.SetDefault(box->isChecked(), prompts_);
}

void MainDialog::OnCheckOrRadio(int id) {
    QAbstractButton* clicked = button(id);
    if (clicked == nullptr) {
        if (id == control::kInserter)
            ShowFixedError(QStringLiteral("Unable to find Paper Supply Inserter radio button"));
        else if (id == control::kOneSided)
            ShowFixedError(QStringLiteral("Unable to find Imaged Sides 1-Side radio button"));
        else if (id == control::kTwoSided)
            ShowFixedError(QStringLiteral("Unable to find Imaged Sides 2-Sides radio button"));
        return;
    }
    if (id == control::kPrecollatedBox)
        session_.SetPrecollated(clicked->isChecked());
    else if (clicked->isChecked())
        session_.SetMode(id == control::kInserter   ? kInserter
                         : id == control::kOneSided ? kOneSided
                                                    : kTwoSided);
}

void MainDialog::OnMove(int id) {
    if (!paperPanel_->MovesAllowed())
        return;
    QAbstractButton* move = button(id);
    if (move == nullptr) {
        ShowFixedError(id == control::kMoveUp
                           ? QStringLiteral("Unable to find the Move Up Button")
                           : QStringLiteral("Unable to find the Move Down Button"));
        return;
    }
    session_.Move(id == control::kMoveUp ? -1 : +1, prompts_);
}

void MainDialog::OnListClick(int id) {
    ListBox* list = listBox(id);
    const int row = list ? list->SelectedRow() : -1;
    if (row < 0 || list->ItemData(row) == -1)
        return;
    const int data = list->ItemData(row);
    if (id == control::kNameList) {
        // A name chosen in the names list shows that paper; the list telling that it has the
        // focus, with the shown paper's name selected, changes nothing.
        if (data != session_.selected())
            session_.ShowPaper(data);
    } else if (id == control::kSizeList) {
        session_.ChooseSize(data);
    } else {
        session_.ChooseValue(ListKind(id), list->ItemText(row).toStdU16String());
    }
    activeList_ = id;
}

void MainDialog::OnFieldFocus(int id) {
    const bool editing = id == control::kColourField || id == control::kNameField ||
                         id == control::kTypeField || id == control::kWeightField;
    focusedField_ = editing ? id : 0;
}

void MainDialog::OnFieldChange(int id) {
    EditField* field = editField(id);
    if (field == nullptr)
        return;
    const std::u16string text = field->text().toStdU16String();
    FieldEdit edit = FieldEdit::kTaken;
    QString held;
    switch (id) {
        case control::kNameField:
            edit = session_.EditName(text, focusedField_ == id);
            held = ToQString(session_.fields().name);
            break;
        case control::kColourField:
            edit = session_.EditColour(text);
            held = ToQString(session_.fields().colour);
            break;
        case control::kTypeField:
            edit = session_.EditType(text);
            held = ToQString(session_.fields().type);
            break;
        default:
            edit = session_.EditWeight(text);
            held = ToQString(session_.WeightFieldText());
            break;
    }
    if (edit == FieldEdit::kRefused)
        RevertField(field, held);
    else if (edit == FieldEdit::kTooLong)
        ui_.Beep();
}

// A refused character: the field gets the held text back, with what followed the edit selected.
void MainDialog::RevertField(EditField* field, const QString& text) {
    ui_.Beep();
    const int oldEnd = field->hasSelectedText() ? field->selectionEnd() : field->cursorPosition();
    const bool wasRendering = rendering_;
    rendering_ = true;
    field->setText(text);
    rendering_ = wasRendering;
    const int start = std::min(oldEnd, static_cast<int>(field->text().size()));
    field->setSelection(start, static_cast<int>(field->text().size()) - start);
}

void MainDialog::OnPaperListItemChanging(int row, bool selected) {
    PaperListView* list = paperList();
    if (rendering_ || list == nullptr)
        return;
    list->setFocus();
    if (button(control::kModify) == nullptr)
        return;
    focusedField_ = 0;
    if (row < 0 || row >= list->ItemCount()) {
        activeList_ = control::kPaperList;
    } else if (selected) {
        activeList_ = control::kPaperList;
        session_.ShowPaper(paperPanel_->IndexAt(row));
    }
    Render();
}

void MainDialog::OnPaperListDoubleClick() {
    activeList_ = control::kPaperList;
    Render();
}

}  // namespace sheetwise
