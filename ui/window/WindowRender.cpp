// What the window shows of the editing session: the paper list, the list boxes, the fields, the
// buttons that apply, the title and the catalog's name. The window is drawn from the session
// after everything the operator does; the paper list and the list boxes are filled again only
// when the catalog changed.
#include <QAbstractButton>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include "model/WeightRange.h"
#include "ui/resources/QtText.h"
#include "ui/widgets/EditField.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/MainDialog.h"

namespace sheetwise {
namespace {

constexpr int kEnglishTitleId = 10109;  // "Sheetwise "

std::vector<ListBox::Item> ValueItems(const AttributeList& values) {
    std::vector<ListBox::Item> items;
    items.reserve(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        items.push_back({ToQString(values[i]), static_cast<int>(i)});
    return items;
}

// Each name once, whatever its letter case; an item's data is its paper's index.
std::vector<ListBox::Item> NameItems(const PaperCatalog& catalog) {
    std::vector<ListBox::Item> items;
    QSet<QString> shown;
    for (int32_t i = 0; i < catalog.PaperCount(); ++i) {
        const QString name = ToQString(catalog.papers()[static_cast<size_t>(i)].name);
        const QString folded = name.toCaseFolded();
        if (!shown.contains(folded)) {
            shown.insert(folded);
            items.push_back({name, i});
        }
    }
    return items;
}

void SelectText(ListBox* list, const QString& text) {
    if (list == nullptr)
        return;
    const int exact = list->FindExact(text);
    list->SelectRow(exact >= 0 ? exact : list->FindIgnoringCase(text));
}

}  // namespace

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

void MainDialog::SetupPaperList() {
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
    list->rows().SetSource([this](int row, int column) { return PaperCell(row, column); });
    list->rows().SetMarks(
        [this](int row) {
            return PaperRowMarks{row == catalog().GetDefaultIndex(),
                                 catalog().GetPrecollated(row) == 1};
        },
        Label(13137));
}

void MainDialog::LimitFieldLengths() {
    static const std::pair<int, int> kLimits[] = {{control::kColourField, kColourFieldLimit},
                                                  {control::kWeightField, kWeightFieldLimit},
                                                  {control::kTypeField, kTypeFieldLimit},
                                                  {control::kNameField, kNameFieldLimit}};
    for (const auto& [id, limit] : kLimits) {
        EditField* field = editField(id);
        if (field == nullptr)
            return;  // it and the fields after it get no limit
        field->SetTypingLimit(limit);
    }
}

QString MainDialog::ModeLabel(int32_t mode) const {
    return Label(mode == kInserter ? 12075 : mode == kOneSided ? 12080 : 12076);
}

QString MainDialog::PaperCell(int row, int column) const {
    const PaperDefinition& paper = catalog().papers()[static_cast<size_t>(row)];
    switch (column) {
        case 0:
            return ToQString(paper.name);
        case 1:
            return ToQString(session_.PaperSizeText(paper));
        case 2:
            return ToQString(paper.colour);
        case 3:
            return ToQString(WeightListText(paper.weight));
        case 4:
            return ToQString(paper.type);
        default:
            return ModeLabel(paper.imagedSides);
    }
}

void MainDialog::Render() {
    const bool wasRendering = rendering_;
    rendering_ = true;
    RenderPaperList();
    RenderLists();
    RenderFields();
    RenderButtons();
    ShowTitle();
    ShowCatalogPath();
    drawnRevision_ = session_.document().revision();
    rendering_ = wasRendering;
}

void MainDialog::RenderPaperList() {
    PaperListView* list = paperList();
    if (list == nullptr)
        return;
    if (drawnRevision_ != session_.document().revision()) {
        // The same number of rows keeps its scroll position; another number starts afresh.
        if (list->ItemCount() == catalog().PaperCount())
            list->rows().Refresh();
        else
            list->rows().Reset(catalog().PaperCount());
    }
    if (list->SelectedRow() != session_.selected())
        list->SelectRow(session_.selected());
}

void MainDialog::RenderLists() {
    const PaperFields& fields = session_.fields();
    if (drawnRevision_ != session_.document().revision()) {
        const std::pair<int, int32_t> lists[] = {{control::kColourList, kColours},
                                                 {control::kWeightList, kWeights},
                                                 {control::kTypeList, kTypes}};
        for (const auto& [id, kind] : lists) {
            if (ListBox* list = listBox(id))
                list->ShowItems(ValueItems(catalog().GetAttributeList(kind)));
        }
        if (ListBox* names = listBox(control::kNameList))
            names->ShowItems(NameItems(catalog()));
    }
    if (ListBox* sizes = listBox(control::kSizeList)) {
        std::vector<ListBox::Item> items;
        for (const SizeListItem& size : session_.SizeItems())
            items.push_back({ToQString(size.text), size.sizeIndex});
        // A paper's size that is none of the catalog's is shown, and cannot be chosen.
        const QString held = ToQString(fields.sizeText);
        if (!held.isEmpty() && std::none_of(items.begin(), items.end(),
                                            [&](const auto& item) { return item.text == held; }))
            items.push_back({held, -1});
        sizes->ShowItems(items);
        sizes->SelectRow(sizes->FindExact(held));
    }
    const std::pair<int, std::u16string> held[] = {
        {control::kColourList, fields.colour},
        {control::kWeightList, session_.WeightFieldText()},
        {control::kTypeList, fields.type}};
    for (const auto& [id, text] : held) {
        if (ListBox* list = listBox(id))
            list->SelectRow(list->FindExact(ToQString(text)));
    }
    SelectText(listBox(control::kNameList), ToQString(catalog().GetName(session_.selected())));
}

void MainDialog::RenderFields() {
    const PaperFields& fields = session_.fields();
    const std::pair<int, std::u16string> texts[] = {
        {control::kNameField, fields.name},
        {control::kSizeField, fields.sizeText},
        {control::kWeightField, session_.WeightFieldText()},
        {control::kColourField, fields.colour},
        {control::kTypeField, fields.type}};
    for (const auto& [id, text] : texts) {
        EditField* field = editField(id);
        if (field != nullptr && field->text() != ToQString(text))
            field->setText(ToQString(text));
    }
    const int checkedMode = fields.mode == kInserter   ? control::kInserter
                            : fields.mode == kOneSided ? control::kOneSided
                                                       : control::kTwoSided;
    for (const int id : {control::kInserter, control::kOneSided, control::kTwoSided}) {
        if (QAbstractButton* radio = button(id)) {
            // Radio buttons of one group exclude each other; unchecking one needs that off.
            radio->setAutoExclusive(false);
            radio->setChecked(id == checkedMode);
            radio->setAutoExclusive(true);
            // Tab enters the group at the checked button; the arrow keys move within it.
            radio->setFocusPolicy(id == checkedMode ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }
    if (QAbstractButton* box = button(control::kPrecollatedBox))
        box->setChecked(fields.precollated == 1);
    if (QAbstractButton* box = button(control::kDefaultPaperBox))
        box->setChecked(session_.ShownIsDefault());
}

void MainDialog::RenderButtons() {
    const int32_t selected = session_.selected();
    const bool modifies = session_.HasModification();
    const struct {
        int id;
        bool enabled;
        const char* missing;
    } buttons[] = {{control::kAdd, true, "Unable to find the Add Button."},
                   {control::kDelete, true, "Unable to find the Delete Button."},
                   {control::kModify, modifies, "Unable to find the Modify Button."},
                   {control::kMoveUp, selected > 0, "Unable to find the Up Button."},
                   {control::kMoveDown, selected < catalog().PaperCount() - 1,
                    "Unable to find the Down Button."}};
    for (const auto& state : buttons) {
        if (QAbstractButton* target = button(state.id))
            target->setEnabled(state.enabled);
        else
            ReportMissing(state.id, QString::fromLatin1(state.missing));
    }
    SetModifyMenuEnabled(modifies);
}

void MainDialog::ReportMissing(int id, const QString& text) {
    if (reportedMissing_.contains(id))
        return;
    reportedMissing_.insert(id);
    ShowFixedError(text);
}

void MainDialog::SetModifyMenuEnabled(bool enable) {
    const QList<QAction*> topLevel = menuBar_->actions();
    if (topLevel.size() < 2 || topLevel[1]->menu() == nullptr)
        return;
    const QList<QAction*> items = topLevel[1]->menu()->actions();
    if (items.size() > 5)
        items[5]->setEnabled(enable);
}

void MainDialog::ShowTitle() {
    // The program's title, then the catalog's file name with the unsaved-changes mark.
    QString title = QStringLiteral("Korvane Brevalon ") + Label(kEnglishTitleId);
    const QString file = QFileInfo(ToQString(session_.document().shownPath())).fileName();
    if (!file.isEmpty())
        title += QStringLiteral("- ") + file;
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(session_.document().Unsaved());
}

void MainDialog::ShowCatalogPath() {
    QWidget* display = Control(control::kCatalogDisplay);
    if (display == nullptr) {
        ReportMissing(control::kCatalogDisplay,
                      QStringLiteral("Unable to find the Open catalog display."));
        return;
    }
    const QString shown = ToQString(session_.document().shownPath());
    if (!shown.isEmpty())
        display->setProperty("text", shown);
}

}  // namespace sheetwise
