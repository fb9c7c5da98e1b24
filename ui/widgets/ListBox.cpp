#include "ui/widgets/ListBox.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace sheetwise {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
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
    if (same)
        return;
    const QSignalBlocker blocker(this);
    RemoveAll();
    for (const Item& item : items)
        AddItem(item.text, item.data);
}

int ListBox::AddItem(const QString& text, int data) {
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, data);
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

void ListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    QListWidget::mousePressEvent(event);
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
