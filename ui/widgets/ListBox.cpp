#include "ui/widgets/ListBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <cstdlib>

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
    const QSignalBlocker blocker(this);
    if (!FollowOneChange(items))
        Refill(items);
    TakeDetails(items);
}

// Inserts, removes or renames the one row by which the texts shown differ from the items';
// true when the list shows the items' texts now.
bool ListBox::FollowOneChange(const std::vector<Item>& items) {
    const int shown = count();
    const int wanted = static_cast<int>(items.size());
    if (std::abs(shown - wanted) > 1)
        return false;
    const auto text = [&items](int row) -> const QString& {
        return items[static_cast<size_t>(row)].text;
    };
    int same = 0;
    while (same < shown && same < wanted && ItemText(same) == text(same))
        ++same;
    int sameAtEnd = 0;
    while (sameAtEnd < shown - same && sameAtEnd < wanted - same &&
           ItemText(shown - 1 - sameAtEnd) == text(wanted - 1 - sameAtEnd))
        ++sameAtEnd;
    const int removed = shown - same - sameAtEnd;
    const int inserted = wanted - same - sameAtEnd;
    if (removed > 1 || inserted > 1)
        return false;
    const auto at = [same](auto& column) { return column.begin() + same; };
    if (removed == 1 && inserted == 1) {
        item(same)->setText(text(same));
    } else if (removed == 1) {
        delete takeItem(same);
        data_.erase(at(data_));
        notes_.erase(at(notes_));
        tips_.erase(at(tips_));
    } else if (inserted == 1) {
        insertItem(same, text(same));
        data_.insert(at(data_), -1);
        notes_.insert(at(notes_), QString());
        tips_.insert(at(tips_), QString());
    }
    if (removed + inserted > 0) {
        exact_.clear();
        folded_.clear();
    }
    return true;
}

void ListBox::Refill(const std::vector<Item>& items) {
    clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const Item& item : items)
        texts << item.text;
    addItems(texts);
    data_.assign(items.size(), -1);
    notes_.assign(items.size(), {});
    tips_.assign(items.size(), {});
    exact_.clear();
    folded_.clear();
}

void ListBox::TakeDetails(const std::vector<Item>& items) {
    for (size_t row = 0; row < items.size(); ++row) {
        const Item& wanted = items[row];
        data_[row] = wanted.data;
        QListWidgetItem* shown = item(static_cast<int>(row));
        if (notes_[row] != wanted.note) {
            notes_[row] = wanted.note;
            shown->setData(kNoteRole, wanted.note);
        }
        if (tips_[row] != wanted.tip) {
            tips_[row] = wanted.tip;
            shown->setToolTip(wanted.tip);
        }
    }
}

QString ListBox::ItemText(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->text() : QString();
}

int ListBox::ItemData(int row) const {
    return row >= 0 && row < count() ? data_[static_cast<size_t>(row)] : -1;
}

QString ListBox::ItemNote(int row) const {
    return row >= 0 && row < count() ? notes_[static_cast<size_t>(row)] : QString();
}

QHash<QString, int> ListBox::FirstRows(const QListWidget& list, bool fold) {
    QHash<QString, int> rows;
    rows.reserve(list.count());
    // From the last row up, so that the first row of a text is the one kept.
    for (int row = list.count() - 1; row >= 0; --row) {
        const QString text = list.item(row)->text();
        rows.insert(fold ? text.toCaseFolded() : text, row);
    }
    return rows;
}

int ListBox::FindExact(const QString& text) const {
    if (exact_.isEmpty())
        exact_ = FirstRows(*this, false);
    return exact_.value(text, -1);
}

int ListBox::FindIgnoringCase(const QString& text) const {
    if (folded_.isEmpty())
        folded_ = FirstRows(*this, true);
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

}  // namespace sheetwise
