// What the window shows of the editing session: the paper list, the list boxes, the fields, the
// buttons that apply, the Edit menu, the title and the catalog's name. The window is drawn from
// the session after everything the operator does; the paper list and the list boxes are filled
// again only when the catalog changed.
#include <QAbstractButton>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "ui/resources/QtText.h"
#include "ui/widgets/EditField.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/AttributeLists.h"
#include "ui/window/EditMenu.h"
#include "ui/window/MainDialog.h"
#include "ui/window/PaperListPanel.h"

namespace sheetwise {
namespace {

constexpr int kEnglishTitleId = 10109;  // "Sheetwise "

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

void MainDialog::Render() {
    const bool wasRendering = rendering_;
    rendering_ = true;
    const bool catalogChanged = drawnRevision_ != session_.document().revision();
    paperPanel_->Render(catalogChanged);
    attributeLists_->Render(session_, catalogChanged);
    RenderFields();
    RenderButtons();
    ShowTitle();
    ShowCatalogPath();
    editMenu_->Render();
    drawnRevision_ = session_.document().revision();
    rendering_ = wasRendering;
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
    // Moves mean what they show only while the list shows every paper in catalog order.
    const bool moves = paperPanel_->MovesAllowed();
    const struct {
        int id;
        bool enabled;
        const char* missing;
    } buttons[] = {{control::kAdd, true, "Unable to find the Add Button."},
                   {control::kDelete, true, "Unable to find the Delete Button."},
                   {control::kModify, modifies, "Unable to find the Modify Button."},
                   {control::kMoveUp, moves && selected > 0, "Unable to find the Up Button."},
                   {control::kMoveDown, moves && selected < catalog().PaperCount() - 1,
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
