// Filling the paper list and the list boxes, showing the selected paper in the fields, and
// keeping the editing state up to date while the user clicks and types.
#include <QAbstractButton>
#include <QCheckBox>

#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "formats/TextConverter.h"
#include "import/ImportSizeList.h"
#include "ui/resources/QtText.h"
#include "ui/widgets/EditField.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/MainDialog.h"
#include "ui/window/MessageIds.h"

namespace sheetwise {
namespace {

bool PassesFieldCheck(const QString& text) {
    return PassesCharacterCheck(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                    static_cast<size_t>(text.size())));
}

// The weight a field or list text stands for: 0 for the wildcard "*".
int32_t WeightOfText(const QString& text) {
    return text == QStringLiteral("*") ? 0 : ReadLeadingInteger(ToWide(text));
}

}  // namespace

QString MainDialog::SizeText(const std::u16string& width, const std::u16string& height,
                             int unit) const {
    return ToQString(SizeListText(width, height, unit, decimalSeparator_.toStdU16String()));
}

QString MainDialog::ModeLabel(int32_t mode) const {
    return Label(mode == kInserter ? 12075 : mode == kOneSided ? 12080 : 12076);
}

QString MainDialog::WeightText(int32_t weight) const {
    return ToQString(WeightListText(weight));
}

void MainDialog::FillAttributeListBoxes() {
    struct Box {
        int id;
        const AttributeList* values;
        const char* missing;
    };
    const Box boxes[] = {
        {control::kColourList, &working_.colours, "Unable to find Paper Color List box"},
        {control::kWeightList, &working_.weights, "Unable to find Paper Weight list box"},
        {control::kTypeList, &working_.types, "Unable to find Paper Type list box"}};
    for (const Box& box : boxes) {
        ListBox* list = listBox(box.id);
        if (list == nullptr) {
            ShowFixedError(QString::fromLatin1(box.missing));
            return;
        }
        list->RemoveAll();
        for (size_t i = 0; i < box.values->size(); ++i) {
            list->AddItem(ToQString((*box.values)[i]), static_cast<int>(i));
        }
        if (list->Count() > 0)
            list->SelectRow(0);
    }
}

void MainDialog::FillSizeList(bool reset) {
    ListBox* list = listBox(control::kSizeList);
    if (list == nullptr)
        return;
    if (reset)
        list->RemoveAll();
    const auto& sizes = catalog_.sizes();
    for (size_t i = 0; i < sizes.size(); ++i) {
        const QString text = SizeText(sizes[i].widthText, sizes[i].heightText, sizes[i].unit);
        if ((reset && i == 0) || list->FindIgnoringCase(text) < 0) {
            list->AddItem(text, static_cast<int>(i));
        }
    }
    if (list->Count() > 0)
        list->SelectRow(0);
}

void MainDialog::FillNameList(bool reset) {
    ListBox* list = listBox(control::kNameList);
    if (list == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find Paper Name List box"));
        return;
    }
    if (reset)
        list->RemoveAll();
    const auto& papers = catalog_.papers();
    for (size_t i = 0; i < papers.size(); ++i) {
        const QString name = ToQString(papers[i].name);
        if ((reset && i == 0) || list->FindIgnoringCase(name) < 0) {
            list->AddItem(name, static_cast<int>(i));
        }
    }
}

void MainDialog::FillPaperList() {
    PaperListView* list = paperList();
    if (list == nullptr)
        return;
    const bool hasDefault = catalog_.GetDefaultIndex() > -1;
    ListBox* batched[] = {listBox(control::kColourList), listBox(control::kWeightList),
                          listBox(control::kTypeList)};
    for (ListBox* box : batched) {
        if (box)
            box->BeginBatch();
    }
    std::vector<PaperRow> rows;
    rows.reserve(catalog_.papers().size());
    for (int32_t i = 0; i < catalog_.PaperCount(); ++i) {
        const PaperDefinition& paper = catalog_.papers()[static_cast<size_t>(i)];
        std::u16string width, height;
        int32_t unitFlag = 0;
        catalog_.GetPaperSizeTexts(i, width, height, unitFlag);
        PaperRow row = {ToQString(paper.name),   SizeText(width, height, unitFlag == 2 ? 1 : 0),
                        ToQString(paper.colour), WeightText(paper.weight),
                        ToQString(paper.type),   ModeLabel(paper.imagedSides)};
        SelectOrAddListValue(control::kColourList, paper.colour);
        SelectOrAddListValue(control::kWeightList, ToWide(row[3]));
        SelectOrAddListValue(control::kTypeList, paper.type);
        rows.push_back(std::move(row));
    }
    for (ListBox* box : batched) {
        if (box)
            box->EndBatch();
    }
    list->rows().SetRows(std::move(rows));
    SelectAndShowRow(hasDefault ? catalog_.GetDefaultIndex() : 0);
    activeList_ = control::kPaperList;
    if (QAbstractButton* modify = button(control::kModify))
        modify->setEnabled(false);
}

void MainDialog::SelectAndShowRow(int row) {
    SelectPaper(row);
    // A name that could not be found has refilled the list, which selected a row itself.
    if (selectedPaperIndex_ < 0)
        return;
    paperList()->SelectRow(row);
}

void MainDialog::RefreshListOnRow(int row) {
    PaperListView* list = paperList();
    if (list == nullptr)
        return;
    list->DeleteAllItems();
    FillPaperList();
    if (list->SelectRow(row))
        list->scrollTo(list->model()->index(row, 0));
    SelectPaper(row);
}

void MainDialog::SelectPaper(int row) {
    PaperListView* list = paperList();
    selectedRow_ = row;
    const QString name = list ? list->CellText(row, 0) : QString();
    selectedPaperIndex_ = catalog_.FindPaper(ToWide(name));
    if (selectedPaperIndex_ < 0) {
        ShowMessage(message::kError, message::kPaperNameNotFound);
        if (list == nullptr || selectingAfterFailedLookup_)
            return;
        // One refill; when its selection cannot be found either, the window stays as it is.
        selectingAfterFailedLookup_ = true;
        list->DeleteAllItems();
        FillPaperList();
        selectingAfterFailedLookup_ = false;
        return;
    }
    SetFieldText(control::kNameField, ToWide(name));
    SelectOrAddListValue(control::kNameList, ToWide(name));
    fields_.name = ToWide(name);

    const QString size = list->CellText(row, 1);
    SelectOrAddListValue(control::kSizeList, ToWide(size));
    SetFieldText(control::kSizeField, ToWide(size));
    fields_.sizeText = ToWide(size);
    fields_.sizeIndex = catalog_.GetSizeIndex(selectedPaperIndex_);

    const QString weight = list->CellText(row, 3);
    SelectOrAddListValue(control::kWeightList, ToWide(weight));
    SetFieldText(control::kWeightField, ToWide(weight));
    fields_.weight = WeightOfText(weight);

    const QString colour = list->CellText(row, 2);
    SelectOrAddListValue(control::kColourList, ToWide(colour));
    SetFieldText(control::kColourField, ToWide(colour));
    fields_.colour = ToWide(colour);

    const QString type = list->CellText(row, 4);
    SelectOrAddListValue(control::kTypeList, ToWide(type));
    SetFieldText(control::kTypeField, ToWide(type));
    fields_.type = ToWide(type);

    const QString mode = list->CellText(row, 5);
    fields_.mode = mode == Label(12075) ? kInserter : mode == Label(12080) ? kOneSided : kTwoSided;
    ShowPaperMode();

    fields_.precollated = catalog_.GetPrecollated(selectedPaperIndex_);
    if (QAbstractButton* box = button(control::kPrecollatedBox)) {
        box->setChecked(fields_.precollated == 1);
    }
    ShowDefaultPaperBox(row);
    for (int id : {control::kAdd, control::kDelete, control::kMoveUp, control::kMoveDown}) {
        EnableCommandButton(id);
    }
    EnableEditFields();
    ClearChangeFlags(3);
}

void MainDialog::ShowDefaultPaperBox(int row) {
    QAbstractButton* box = button(control::kDefaultPaperBox);
    if (box == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find Default Paper checkbox"));
        return;
    }
    const std::u16string defaultName = catalog_.GetDefaultPaper();
    if (defaultName != fields_.name) {
        box->setChecked(false);
    } else if (catalog_.GetName(row) == defaultName) {
        defaultMark_ = {defaultName, selectedPaperIndex_};
        box->setChecked(true);
    }
}

void MainDialog::ShowPaperMode() {
    static const std::pair<int, const char*> kButtons[] = {
        {control::kInserter, "Unable to find Inserter Mode radio button"},
        {control::kOneSided, "Unable to find 1-Sided Mode radio button"},
        {control::kTwoSided, "Unable to find mode 2-Sided Mode radio button"}};
    const int checked = fields_.mode == kInserter   ? control::kInserter
                        : fields_.mode == kOneSided ? control::kOneSided
                                                    : control::kTwoSided;
    for (const auto& [id, missing] : kButtons) {
        QAbstractButton* radio = button(id);
        if (radio == nullptr) {
            ShowFixedError(QString::fromLatin1(missing));
            return;
        }
        // Radio buttons of one group exclude each other; unchecking one needs that off briefly.
        radio->setAutoExclusive(false);
        radio->setChecked(id == checked);
        radio->setAutoExclusive(true);
    }
}

void MainDialog::SelectOrAddListValue(int listId, const std::u16string& text) {
    ListBox* list = listBox(listId);
    if (text.empty() || list == nullptr)
        return;
    const QString item = ToQString(text);
    const int found = list->FindExact(item);
    if (found >= 0) {
        list->SelectRow(found);
        return;
    }
    // A size that matches no size of the catalog cannot be chosen as one: its data value says so.
    const int data = listId == control::kSizeList ? -1 : list->Count() + 1;
    const int row = list->AddItem(item, data);
    struct Kind {
        int listId;
        int32_t kind;
        int failure;
    };
    static constexpr Kind kKinds[] = {{control::kColourList, kColours, message::kColourNotAdded},
                                      {control::kWeightList, kWeights, message::kWeightNotAdded},
                                      {control::kTypeList, kTypes, message::kTypeNotAdded}};
    for (const Kind& kind : kKinds) {
        if (kind.listId == listId && !editor_.AddValue(kind.kind, text))
            ShowMessage(message::kError, kind.failure);
    }
    list->SelectRow(row);
}

void MainDialog::SetFieldText(int id, const std::u16string& text) {
    EditField* field = editField(id);
    if (text.empty() || field == nullptr)
        return;
    const QString value = ToQString(text);
    // Setting a field always tells the window, also when the text stays the same.
    if (field->text() == value) {
        OnCommand(id);
    } else {
        field->setText(value);
    }
}

// Notifications.

void MainDialog::OnPaperListItemChanging(int row, bool selected) {
    PaperListView* list = paperList();
    if (list == nullptr)
        return;
    list->setFocus();
    if (button(control::kModify) == nullptr)
        return;
    DisableModifyButton();
    focusedField_ = 0;
    if (row < 0 || row > list->ItemCount()) {
        list->SelectRow(selectedRow_);
        activeList_ = control::kPaperList;
    } else if (selected) {
        activeList_ = control::kPaperList;
        SelectPaper(row);
    }
}

void MainDialog::OnPaperListDoubleClick() {
    if (PaperListView* list = paperList())
        list->SelectRow(selectedRow_);
    activeList_ = control::kPaperList;
    DisableModifyButton();
}

void MainDialog::OnAttributeListClick(int id) {
    EnableCommandButton(control::kModify);
    ListBox* list = listBox(id);
    const int row = list ? list->SelectedRow() : -1;
    if (row < 0 || list->ItemData(row) == -1)
        return;
    const QString text = list->ItemText(row);
    if (id == control::kColourList) {
        SetFieldText(control::kColourField, ToWide(text));
        fields_.colour = ToWide(text);
        fieldChanges_.colour = true;
    } else if (id == control::kSizeList) {
        fields_.sizeIndex = list->ItemData(row);
        fields_.sizeText = ToWide(text);
        SetFieldText(control::kSizeField, ToWide(text));
    } else if (id == control::kTypeList) {
        SetFieldText(control::kTypeField, ToWide(text));
        fields_.type = ToWide(text);
        fieldChanges_.type = true;
    } else if (id == control::kWeightList) {
        fields_.weight = WeightOfText(text);
        SetFieldText(control::kWeightField, ToWide(text));
        fieldChanges_.weight = true;
    }
    activeList_ = id;
}

void MainDialog::OnNameListClick() {
    ListBox* list = listBox(control::kNameList);
    if (list == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Paper Name List box"));
        return;
    }
    if (list->hasFocus())
        DisableModifyButton();
    const int row = list->SelectedRow();
    if (row >= 0 && list->ItemData(row) != -1) {
        SetFieldText(control::kNameField, ToWide(list->ItemText(row)));
    }
    activeList_ = control::kNameList;
}

void MainDialog::OnFieldFocus(int id) {
    const bool editing = id == control::kColourField || id == control::kNameField ||
                         id == control::kTypeField || id == control::kWeightField;
    focusedField_ = editing ? id : 0;
}

void MainDialog::RevertField(EditField* field, const QString& text) {
    ui_.Beep();
    const int oldEnd = field->hasSelectedText() ? field->selectionEnd() : field->cursorPosition();
    field->setText(text);
    const int start = std::min(oldEnd, static_cast<int>(field->text().size()));
    field->setSelection(start, static_cast<int>(field->text().size()) - start);
}

void MainDialog::OnNameFieldChange() {
    EditField* field = editField(control::kNameField);
    if (field == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find Paper Name Edit Control"));
        return;
    }
    if (focusedField_ == control::kNameField)
        DisableModifyButton();
    const QString text = field->text();
    QAbstractButton* precollated = button(control::kPrecollatedBox);
    if (ToWide(text) != fields_.name && focusedField_ == control::kNameField && precollated &&
        precollated->isChecked()) {
        precollated->setChecked(false);
        fields_.precollated = 0;
    }
    if (!PassesFieldCheck(text)) {
        RevertField(field, ToQString(fields_.name));
        return;
    }
    fields_.name = ToWide(text);
    fieldChanges_.name = !text.isEmpty();
    CheckEncodedLength(control::kNameField);
}

void MainDialog::OnTextFieldChange(int id) {
    const bool colour = id == control::kColourField;
    EditField* field = editField(id);
    if (field == nullptr) {
        if (!colour)
            ShowFixedError(QStringLiteral("Unable to find Paper Type Edit Control"));
        return;
    }
    std::u16string& held = colour ? fields_.colour : fields_.type;
    const QString text = field->text();
    if (ToWide(text) != held && focusedField_ == id)
        EnableCommandButton(control::kModify);
    if (!PassesFieldCheck(text)) {
        RevertField(field, ToQString(held));
        return;
    }
    held = ToWide(text);
    (colour ? fieldChanges_.colour : fieldChanges_.type) = !text.isEmpty();
    CheckEncodedLength(id);
}

void MainDialog::OnWeightFieldChange() {
    EditField* field = editField(control::kWeightField);
    if (field == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find Weight Edit Control"));
        return;
    }
    const QString text = field->text();
    if (ReadLeadingInteger(ToWide(text)) != fields_.weight &&
        focusedField_ == control::kWeightField) {
        EnableCommandButton(control::kModify);
    }
    if (!PassesFieldCheck(text)) {
        RevertField(field, WeightText(fields_.weight));
        return;
    }
    if (text.isEmpty()) {
        fields_.weight = -1;
        fieldChanges_.weight = false;
    } else {
        fields_.weight = WeightOfText(text);
        fieldChanges_.weight = true;
    }
    CheckEncodedLength(control::kWeightField);
}

// A text whose stored form is longer than the field allows gets a beep; the text stays.
void MainDialog::CheckEncodedLength(int id) {
    EditField* field = editField(id);
    const int limit = id == control::kNameField ? 31 : id == control::kWeightField ? 3 : 19;
    if (field == nullptr)
        return;
    const SystemTextConverter converter;
    if (static_cast<int>(converter.Encode(ToWide(field->text())).size()) > limit)
        ui_.Beep();
}

}  // namespace sheetwise
