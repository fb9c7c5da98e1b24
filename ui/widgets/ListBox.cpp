#include "ui/widgets/ListBox.h"

#include <QApplication>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace sheetwise {
namespace {

constexpr int kNoteRole = Qt::UserRole + 1;
constexpr int kNoteGap = 4;

// Draws an item's note right-aligned in a muted colour, the text cut short before it.
class NoteDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString note = index.data(kNoteRole).toString();
        if (note.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
        QStyleOptionViewItem background(item);
        background.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, item.widget);
        const int noteWidth = item.fontMetrics.horizontalAdvance(note) + 2 * kNoteGap;
        QStyleOptionViewItem text(item);
        text.rect.setRight(item.rect.right() - noteWidth);
        text.showDecorationSelected = false;
        text.state &= ~QStyle::State_HasFocus;
        style->drawControl(QStyle::CE_ItemViewItem, &text, painter, item.widget);
        const bool selected = item.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->setPen(
            item.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
        painter->drawText(item.rect.adjusted(0, 0, -kNoteGap, 0), Qt::AlignRight | Qt::AlignVCenter,
                          note);
        painter->restore();
    }
};

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new NoteDelegate(this));
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectingForProgram_)
            emit Notified();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit Notified(); });
}

void ListBox::ShowItems(const std::vector<Item>& items) {
    bool same = static_cast<int>(items.size()) == count();
    for (int row = 0; same && row < count(); ++row)
        same = ItemText(row) == items[static_cast<size_t>(row)].text &&
               ItemData(row) == items[static_cast<size_t>(row)].data;
    const QSignalBlocker blocker(this);
    if (!same) {
        RemoveAll();
        for (const Item& item : items)
            AddItem(item.text, item.data, item.note, item.tip);
        return;
    }
    for (int row = 0; row < count(); ++row) {
        const Item& wanted = items[static_cast<size_t>(row)];
        QListWidgetItem* shown = item(row);
        if (shown->data(kNoteRole).toString() != wanted.note)
            shown->setData(kNoteRole, wanted.note);
        if (shown->toolTip() != wanted.tip)
            shown->setToolTip(wanted.tip);
    }
}

int ListBox::AddItem(const QString& text, int data, const QString& note, const QString& tip) {
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, data);
    if (!note.isEmpty())
        item->setData(kNoteRole, note);
    if (!tip.isEmpty())
        item->setToolTip(tip);
    addItem(item);
    const int row = count() - 1;
    IndexRow(row, text);
    return row;
}

void ListBox::DeleteItem(int row) {
    if (row < 0 || row >= count())
        return;
    const QSignalBlocker blocker(this);
    delete takeItem(row);
    RebuildIndexes();
}

void ListBox::RemoveAll() {
    const QSignalBlocker blocker(this);
    clear();
    exact_.clear();
    folded_.clear();
}

QString ListBox::ItemText(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->text() : QString();
}

int ListBox::ItemData(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(Qt::UserRole).toInt() : -1;
}

QString ListBox::ItemNote(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->data(kNoteRole).toString() : QString();
}

int ListBox::FindExact(const QString& text) const {
    return exact_.value(text, -1);
}

int ListBox::FindIgnoringCase(const QString& text) const {
    return folded_.value(text.toCaseFolded(), -1);
}

void ListBox::SelectRow(int row) {
    selectingForProgram_ = true;
    if (row < 0 || row >= count()) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(row);
        scrollToItem(item(row));
    }
    selectingForProgram_ = false;
}

int ListBox::SelectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    emit Notified();
}

void ListBox::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    emit Notified();
}

void ListBox::RebuildIndexes() {
    exact_.clear();
    folded_.clear();
    for (int row = 0; row < count(); ++row)
        IndexRow(row, item(row)->text());
}

void ListBox::IndexRow(int row, const QString& text) {
    exact_.insert(text, std::min(row, exact_.value(text, row)));
    const QString folded = text.toCaseFolded();
    folded_.insert(folded, std::min(row, folded_.value(folded, row)));
}

}  // namespace sheetwise
