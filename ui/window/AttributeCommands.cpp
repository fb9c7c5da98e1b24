// Adding typed colours, weights and types to the offered values, and deleting an offered value
// that no paper uses.
//
// The window keeps its own copies of the three lists (the working lists), in the order of the
// list boxes; every change here reaches the list box, the working list and the catalog together.
#include "ui/widgets/EditField.h"
#include "ui/widgets/ListBox.h"
#include "ui/window/MainDialog.h"
#include "ui/window/MessageIds.h"

namespace sheetwise {
namespace {

// What ties one list of offered values to its list box, its field and its question.
struct AttributeKindControls {
    int listId;
    int fieldId;
    int confirmation;
};

AttributeKindControls ControlsOf(int kind) {
    switch (kind) {
        case kWeights:
            return {control::kWeightList, control::kWeightField, message::kDeleteWeight};
        case kTypes:
            return {control::kTypeList, control::kTypeField, message::kDeleteType};
        default:
            return {control::kColourList, control::kColourField, message::kDeleteColour};
    }
}

}  // namespace

void MainDialog::AddTypedAttributeValues() {
    if (fieldChanges_.weight)
        SelectOrAddListValue(control::kWeightList, WeightText(fields_.weight).toStdU16String());
    if (fieldChanges_.colour)
        SelectOrAddListValue(control::kColourList, fields_.colour);
    if (fieldChanges_.type)
        SelectOrAddListValue(control::kTypeList, fields_.type);
    ClearChangeFlags(3);
}

void MainDialog::DeleteAttributeValue(int kind) {
    const AttributeKindControls controls = ControlsOf(kind);
    ListBox* list = listBox(controls.listId);
    if (list == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the List box"));
        return;
    }
    const int selected = list->SelectedRow();
    if (selected < 0) {
        ShowFixedError(QStringLiteral("Unable to get  selection"));
        return;
    }
    if (list->ItemData(selected) == -1) {
        ShowFixedError(QStringLiteral("Unable to get index of selection"));
        return;
    }
    const std::u16string value = list->ItemText(selected).toStdU16String();
    if (ShowRefusal(editor_.CheckDeleteValue(kind, value)))
        return;
    if (Ask(controls.confirmation, BoxButtons::kYesNo, list->ItemText(selected)) != BoxAnswer::kYes)
        return;

    list->DeleteItem(selected);
    editor_.DeleteValue(kind, value);

    // The item that takes the deleted one's place is selected; after the last one, the one before.
    const int count = list->Count();
    const int next = selected == count && selected > 0 ? selected - 1 : selected;
    list->SelectRow(next);
    if (count == 0) {
        EditField* field = editField(controls.fieldId);
        if (field == nullptr) {
            ShowFixedError(QStringLiteral("Unable to find selected Edit Control"));
            return;
        }
        field->clear();
        return;
    }
    SetFieldText(controls.fieldId, list->ItemText(next).toStdU16String());
}

}  // namespace sheetwise
