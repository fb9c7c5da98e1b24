// The commands that change papers: Add, Modify, Delete, the Default Paper and Precollated boxes,
// the mode radio buttons and the two move buttons.
//
// Every command works on the values held for the fields, not on the fields themselves, and after
// Add, Modify and Delete the paper list is filled again from the catalog so that it never shows
// anything the catalog does not hold. A move exchanges only the two rows concerned.
#include <QAbstractButton>
#include <algorithm>

#include "app/MainDialog.h"
#include "app/MessageIds.h"
#include "app/QtText.h"
#include "editor/PaperListView.h"
#include "model/WeightRange.h"

namespace sheetwise {
namespace {

constexpr int kMoveUp = 0;
constexpr int kMoveDown = 1;

// 0 is the wildcard "*" and always allowed.
bool OutsideWeightRange(int32_t weight) {
    return weight != 0 && !IsWeightInRange(weight);
}

bool Contains(const AttributeList& list, const std::u16string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

void MainDialog::OnModify() {
    if (button(control::kModify) == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Modify Button"));
        return;
    }
    PaperListView* list = paperList();
    if (list == nullptr || list->ItemCount() == 0) {
        ShowMessage(message::kError, message::kNoPaperToModify);
        return;
    }
    if (fields_.colour.empty() || fields_.type.empty() || fields_.weight == -1) {
        // This message is the one that must reach the user even from a string table that lacks it.
        if (!ShowMessage(message::kError, message::kInvalidModify)) {
            ui_.ShowBox(this, Label(message::kError),
                        QStringLiteral("Modify operation cannot be completed because invalid "
                                       "paper attributes have been entered."),
                        BoxIcon::kExclamation, BoxButtons::kOk, {});
        }
        return;
    }
    // The name identifies the paper to change; a typed name of another or no paper is not a rename.
    if (fieldChanges_.name && catalog_.FindPaper(fields_.name) != selectedPaperIndex_)
        return;
    if (fieldChanges_.weight && OutsideWeightRange(fields_.weight)) {
        fieldChanges_.weight = false;
        ShowMessage(message::kError, message::kWeightOutOfRange);
        fields_.weight = catalog_.GetWeight(selectedPaperIndex_);
        SetFieldText(control::kWeightField, ToWide(WeightText(fields_.weight)));
        return;
    }
    if (catalog_.ModifyPaper(fields_.name, fields_.sizeIndex, fields_.colour, fields_.weight,
                             fields_.type, fields_.mode, fields_.precollated)) {
        changes_.paperChanged = true;
    } else {
        ShowMessage(message::kError, message::kInvalidModify);
    }
    // Also after a failure: the fields go back to what the catalog holds.
    ClearChangeFlags(3);
    RefreshListOnRow(selectedRow_);
}

void MainDialog::OnAdd() {
    if (!fieldChanges_.name) {
        // Without a new name, Add offers the typed values to the attribute lists.
        if (!fieldChanges_.weight && !fieldChanges_.colour && !fieldChanges_.type) {
            ShowMessage(message::kError, message::kNothingChanged);
            return;
        }
        if (Contains(working_.weights, ToWide(WeightText(fields_.weight))) &&
            Contains(working_.types, fields_.type) && Contains(working_.colours, fields_.colour)) {
            ShowMessage(message::kError, message::kNothingChanged);
            return;
        }
    }
    if (fieldChanges_.weight && OutsideWeightRange(fields_.weight)) {
        ShowMessage(message::kError, message::kWeightOutOfRange);
        fields_.weight = catalog_.GetWeight(selectedPaperIndex_);
        SetFieldText(control::kWeightField, ToWide(WeightText(fields_.weight)));
        return;
    }
    if (!fieldChanges_.name) {
        AddTypedAttributeValues();  // clears the field change flags
        return;
    }
    // A refused name or attribute is forgotten, so that the next Add without a new name adds
    // attribute values instead of repeating this refusal.
    if (catalog_.FindPaper(fields_.name) >= 0) {
        ShowMessage(message::kError, message::kNameInUse);
        fieldChanges_.name = false;
        return;
    }
    if (fields_.name.empty() || fields_.colour.empty() || fields_.type.empty() ||
        fields_.weight == -1) {
        ShowMessage(message::kError, message::kInvalidPaper);
        fieldChanges_.name = false;
        return;
    }
    if (!catalog_.AddPaper(fields_.name, fields_.sizeIndex, fields_.colour, fields_.weight,
                           fields_.type, fields_.mode, fields_.precollated)) {
        ShowMessage(message::kError, message::kInvalidPaper);
        return;
    }
    changes_.paperAdded = true;
    ClearChangeFlags(3);
    // Filling the list shows the default paper in the fields, so the new name is taken first.
    const int32_t added = catalog_.FindPaper(fields_.name);
    PaperListView* list = paperList();
    if (list == nullptr)
        return;
    list->DeleteAllItems();
    FillPaperList();
    if (added < 0) {
        ShowMessage(message::kError, message::kInvalidPaper);
        return;
    }
    list->SelectRow(added);
    SelectPaper(added);
}

void MainDialog::OnDelete() {
    if (button(control::kDelete) == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Delete Button"));
        return;
    }
    switch (activeList_) {
        case control::kPaperList:
            DeleteSelectedPaper();
            return;
        case control::kColourList:
            DeleteAttributeValue(kColours);
            return;
        case control::kTypeList:
            DeleteAttributeValue(kTypes);
            return;
        case control::kWeightList:
            DeleteAttributeValue(kWeights);
            return;
        default:
            return;  // sizes and names are not deleted here
    }
}

void MainDialog::DeleteSelectedPaper() {
    if (button(control::kDelete) == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Delete Button"));
        return;
    }
    if (fields_.name == defaultMark_.name) {
        ShowMessage(message::kError, message::kDefaultPaperNotDeletable);
        return;
    }
    if (catalog_.PaperCount() == 1) {
        ShowMessage(message::kError, message::kLastPaper);
        return;
    }
    // The held name may have been typed over the default paper's own; what is deleted is the
    // paper shown, so that is checked as well.
    if (catalog_.GetDefaultIndex() >= 0 && catalog_.GetDefaultIndex() == selectedPaperIndex_) {
        ShowMessage(message::kError, message::kDefaultPaperNotDeletable);
        return;
    }
    if (selectedPaperIndex_ >= catalog_.PaperCount()) {
        ShowMessage(message::kError, message::kSelectPaperFirst);
        return;
    }
    if (Ask(message::kDeletePaper, BoxButtons::kYesNo,
            QString::fromStdU16String(catalog_.GetName(selectedPaperIndex_))) != BoxAnswer::kYes)
        return;
    const int32_t deleted = selectedPaperIndex_;
    const bool removed = catalog_.DeletePaper(deleted);
    // The catalog keeps the default as a position, which a delete before it shifts.
    if (!catalog_.SetDefaultPaper(defaultMark_.name) && deleted < defaultMark_.index)
        ShowMessage(message::kError, message::kDefaultPaperFailed);
    if (!removed) {
        ShowMessage(message::kError, message::kDeleteFailed);
        return;
    }
    changes_.paperDeleted = true;
    PaperListView* list = paperList();
    if (list == nullptr)
        return;
    list->DeleteItem(selectedRow_);
    list->DeleteAllItems();
    FillPaperList();
    const int32_t count = catalog_.PaperCount();
    int row = -1;
    if (deleted == count && count > 1)
        row = count - 1;
    else if (deleted == 0)
        row = 0;
    else if (count > 1)
        row = deleted;  // the paper that followed the deleted one
    if (row < 0)
        return;  // the selection the refill made stays
    list->SelectRow(row);
    SelectPaper(row);
}

void MainDialog::OnDefaultPaper() {
    EnableCommandButton(control::kModify);
    if (catalog_.PaperCount() == 0)
        return;
    QAbstractButton* box = button(control::kDefaultPaperBox);
    if (box == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find Default Paper checkbox"));
        return;
    }
    if (!box->isChecked()) {
        // There is always a default paper: it can be replaced, never removed.
        box->setChecked(true);
        ShowMessage(message::kWarning, message::kChooseAnotherDefault);
        return;
    }
    if (catalog_.GetDefaultPaper() == fields_.name)
        return;
    if (catalog_.SetDefaultPaper(fields_.name)) {
        defaultMark_ = {fields_.name, selectedPaperIndex_};
        changes_.paperChanged = true;
    } else {
        ShowMessage(message::kError, message::kDefaultPaperFailed);
        box->setChecked(false);
    }
}

void MainDialog::OnPrecollated() {
    EnableCommandButton(control::kModify);
    QAbstractButton* box = button(control::kPrecollatedBox);
    if (box == nullptr)
        return;
    fields_.precollated = box->isChecked() ? 1 : 0;
    fieldChanges_.precollated = true;
}

void MainDialog::OnModeButton(int id) {
    EnableCommandButton(control::kModify);
    QAbstractButton* radio = button(id);
    if (radio == nullptr) {
        ShowFixedError(id == control::kInserter
                           ? QStringLiteral("Unable to find Paper Supply Inserter radio button")
                       : id == control::kOneSided
                           ? QStringLiteral("Unable to find Imaged Sides 1-Side radio button")
                           : QStringLiteral("Unable to find Imaged Sides 2-Sides radio button"));
        return;
    }
    if (!radio->isChecked())
        return;
    fields_.mode = id == control::kInserter   ? kInserter
                   : id == control::kOneSided ? kOneSided
                                              : kTwoSided;
    fieldChanges_.mode = true;
}

// The list is not filled again after a move: the two rows exchange their texts, which keeps a
// move in a long catalog as cheap as the move itself. That only mirrors the catalog when the paper
// moved is the one on the selected row, so a held name of another paper (typed into the name
// field) is refused like a move the catalog cannot make.
void MainDialog::OnMoveDown() {
    QAbstractButton* down = button(control::kMoveDown);
    if (down == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Move Down Button"));
        return;
    }
    PaperListView* list = paperList();
    const int rows = list ? list->ItemCount() : 0;
    if (selectedRow_ == rows - 1) {
        down->setEnabled(false);
        return;
    }
    defaultMark_.name = catalog_.GetDefaultPaper();
    if (list == nullptr || catalog_.FindPaper(fields_.name) != selectedRow_ ||
        !catalog_.MovePaper(fields_.name, kMoveDown)) {
        ShowMessage(message::kError, message::kMoveDownFailed);
        return;
    }
    changes_.papersReordered = true;
    catalog_.SetDefaultPaper(defaultMark_.name);  // the default stays on its paper
    for (int column = 0; column < kPaperListColumns; ++column) {
        const QString upper = list->CellText(selectedRow_, column);
        list->rows().SetCell(selectedRow_, column, list->CellText(selectedRow_ + 1, column));
        list->rows().SetCell(selectedRow_ + 1, column, upper);
    }
    ++selectedRow_;
    list->SelectRow(selectedRow_);  // its notification shows the paper again
    if (selectedRow_ == rows - 1)
        down->setEnabled(false);
    EnableCommandButton(control::kMoveUp);
}

void MainDialog::OnMoveUp() {
    QAbstractButton* up = button(control::kMoveUp);
    if (up == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Move Up Button"));
        return;
    }
    if (selectedRow_ == 0) {
        up->setEnabled(false);
        return;
    }
    PaperListView* list = paperList();
    defaultMark_.name = catalog_.GetDefaultPaper();
    if (list == nullptr || catalog_.FindPaper(fields_.name) != selectedRow_ ||
        !catalog_.MovePaper(fields_.name, kMoveUp)) {
        ShowMessage(message::kError, message::kMoveUpFailed);
        return;
    }
    changes_.papersReordered = true;
    catalog_.SetDefaultPaper(defaultMark_.name);
    for (int column = 0; column < kPaperListColumns; ++column) {
        const QString lower = list->CellText(selectedRow_, column);
        list->rows().SetCell(selectedRow_, column, list->CellText(selectedRow_ - 1, column));
        list->rows().SetCell(selectedRow_ - 1, column, lower);
    }
    --selectedRow_;
    list->SelectRow(selectedRow_);
    if (selectedRow_ == 0)
        up->setEnabled(false);
    EnableCommandButton(control::kMoveDown);
}

}  // namespace sheetwise
