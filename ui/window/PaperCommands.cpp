// The commands that change papers: Add, Modify, Delete, the Default Paper and Precollated boxes,
// the mode radio buttons and the two move buttons.
//
// Every command works on the values held for the fields, not on the fields themselves, and after
// Add, Modify and Delete the paper list is filled again from the catalog so that it never shows
// anything the catalog does not hold. A move exchanges only the two rows concerned.
#include <QAbstractButton>
#include "ui/resources/QtText.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/MainDialog.h"
#include "ui/window/MessageIds.h"

namespace sheetwise {

bool MainDialog::ShowRefusal(EditOutcome outcome) {
    struct Refusal {
        EditOutcome outcome;
        int title;
        int message;
    };
    static constexpr Refusal kRefusals[] = {
        {EditOutcome::kNothingChanged, message::kError, message::kNothingChanged},
        {EditOutcome::kWeightOutOfRange, message::kError, message::kWeightOutOfRange},
        {EditOutcome::kNameInUse, message::kError, message::kNameInUse},
        {EditOutcome::kInvalidPaper, message::kError, message::kInvalidPaper},
        {EditOutcome::kInvalidModify, message::kError, message::kInvalidModify},
        {EditOutcome::kDefaultNotDeletable, message::kError, message::kDefaultPaperNotDeletable},
        {EditOutcome::kLastPaper, message::kError, message::kLastPaper},
        {EditOutcome::kSelectPaperFirst, message::kError, message::kSelectPaperFirst},
        {EditOutcome::kDeleteFailed, message::kError, message::kDeleteFailed},
        {EditOutcome::kDefaultFailed, message::kError, message::kDefaultPaperFailed},
        {EditOutcome::kKeepDefault, message::kWarning, message::kChooseAnotherDefault},
        {EditOutcome::kWildcardNotDeletable, message::kError, message::kWildcardNotDeletable},
        {EditOutcome::kValueInUse, message::kError, message::kAttributeInUse},
    };
    for (const Refusal& refusal : kRefusals) {
        if (refusal.outcome == outcome) {
            ShowMessage(refusal.title, refusal.message);
            return true;
        }
    }
    return false;
}

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
    const EditOutcome outcome = editor_.Modify();
    if (outcome == EditOutcome::kIgnored)
        return;
    // This message is the one that must reach the user even from a string table that lacks it.
    if ((outcome == EditOutcome::kInvalidModify || outcome == EditOutcome::kModifyFailed) &&
        !ShowMessage(message::kError, message::kInvalidModify)) {
        ui_.ShowBox(this, Label(message::kError),
                    QStringLiteral("Modify operation cannot be completed because invalid "
                                   "paper attributes have been entered."),
                    BoxIcon::kExclamation, BoxButtons::kOk, {});
    }
    if (outcome == EditOutcome::kWeightOutOfRange) {
        ShowRefusal(outcome);
        SetFieldText(control::kWeightField, ToWide(WeightText(fields_.weight)));
    }
    // Also after a failed change: the fields go back to what the catalog holds.
    if (outcome == EditOutcome::kDone || outcome == EditOutcome::kModifyFailed)
        RefreshListOnRow(selectedRow_);
}

void MainDialog::OnAdd() {
    const PaperEditor::AddResult result = editor_.Add();
    if (ShowRefusal(result.outcome)) {
        if (result.outcome == EditOutcome::kWeightOutOfRange)
            SetFieldText(control::kWeightField, ToWide(WeightText(fields_.weight)));
        return;
    }
    if (result.addsValues) {
        AddTypedAttributeValues();  // clears the field change flags
        return;
    }
    // Filling the list shows the default paper in the fields, so the new name was taken first.
    PaperListView* list = paperList();
    if (list == nullptr)
        return;
    list->DeleteAllItems();
    FillPaperList();
    if (result.added < 0) {
        ShowMessage(message::kError, message::kInvalidPaper);
        return;
    }
    list->SelectRow(result.added);
    SelectPaper(result.added);
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
    if (ShowRefusal(editor_.CheckDeletePaper()))
        return;
    if (Ask(message::kDeletePaper, BoxButtons::kYesNo,
            QString::fromStdU16String(catalog_.GetName(selectedPaperIndex_))) != BoxAnswer::kYes)
        return;
    const int32_t deleted = selectedPaperIndex_;
    bool defaultLost = false;
    const EditOutcome outcome = editor_.DeletePaper(defaultLost);
    if (defaultLost)
        ShowRefusal(EditOutcome::kDefaultFailed);
    if (ShowRefusal(outcome))
        return;
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
    const EditOutcome outcome = editor_.SetDefault(box->isChecked());
    // There is always a default paper: it can be replaced, never removed.
    if (outcome == EditOutcome::kKeepDefault)
        box->setChecked(true);
    if (ShowRefusal(outcome) && outcome == EditOutcome::kDefaultFailed)
        box->setChecked(false);
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
    if (list == nullptr || editor_.Move(selectedRow_, +1) != EditOutcome::kDone) {
        ShowMessage(message::kError, message::kMoveDownFailed);
        return;
    }
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
    if (list == nullptr || editor_.Move(selectedRow_, -1) != EditOutcome::kDone) {
        ShowMessage(message::kError, message::kMoveUpFailed);
        return;
    }
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
