#include "ui/widgets/PaperListView.h"

#include <QHeaderView>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

namespace sheetwise {
namespace {

// A five-pointed star, drawn once: the default paper's mark, in the selection colour of the
// list so that it reads on white and on the highlighted row alike.
QIcon DrawStar() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 7.5 : 3.2;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(8 + radius * std::cos(angle), 8.5 + radius * std::sin(angle));
    }
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 80, 0), 1));
    painter.setBrush(QColor(255, 190, 0));
    painter.drawPolygon(star);
    return QIcon(pixmap);
}

const QIcon& DefaultPaperStar() {
    static const QIcon star = DrawStar();
    return star;
}

}  // namespace

int PaperRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

int PaperRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPaperListColumns;
}

QVariant PaperRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (marks_) {
        const QVariant marked = MarkData(index.row(), index.column(), role);
        if (marked.isValid())
            return marked;
    }
    if (role != Qt::DisplayRole)
        return {};
    return Cell(index.row(), index.column());
}

QVariant PaperRowsModel::MarkData(int row, int column, int role) const {
    const PaperRowMarks marks = marks_(row);
    if (role == Qt::FontRole && marks.isDefault) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::DecorationRole && column == 0 && marks.isDefault)
        return DefaultPaperStar();
    if (role == Qt::DisplayRole && column == kPaperListColumns - 1 && marks.precollated)
        return Cell(row, column) + QStringLiteral(" \u00b7 ") + precollatedWord_;
    return {};
}

void PaperRowsModel::SetMarks(std::function<PaperRowMarks(int row)> marks,
                              QString precollatedWord) {
    marks_ = std::move(marks);
    precollatedWord_ = std::move(precollatedWord);
}

QVariant PaperRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return section < headers_.size() ? headers_[section] : QString();
}

void PaperRowsModel::SetHeaders(const QStringList& headers) {
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, kPaperListColumns - 1);
}

QString PaperRowsModel::Cell(int row, int column) const {
    if (!cells_ || row < 0 || row >= count_ || column < 0 || column >= kPaperListColumns)
        return {};
    return cells_(row, column);
}

void PaperRowsModel::Reset(int count) {
    beginResetModel();
    count_ = count;
    endResetModel();
}

void PaperRowsModel::Refresh() {
    if (count_ > 0)
        emit dataChanged(index(0, 0), index(count_ - 1, kPaperListColumns - 1));
}

PaperListView::PaperListView(QWidget* parent) : QTableView(parent) {
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys move between papers; Tab leaves the list for the next control.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                for (const QModelIndex& index : deselected.indexes()) {
                    if (index.column() == 0)
                        emit ItemChanging(index.row(), false);
                }
                for (const QModelIndex& index : selected.indexes()) {
                    if (index.column() == 0)
                        emit ItemChanging(index.row(), true);
                }
            });
    connect(this, &QTableView::doubleClicked, this, [this] { emit ItemDoubleClicked(); });
}

QItemSelectionModel::SelectionFlags PaperListView::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    // Exactly one paper is selected at all times: the editing panel and Delete act on it. A
    // click beside the rows or a Ctrl+click on the selected row would leave none.
    const QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
    if (!index.isValid() || command.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    // A right click asks what the list is (What's this); it chooses no paper.
    if (event != nullptr && event->type() == QEvent::MouseButtonPress &&
        static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton)
        return QItemSelectionModel::NoUpdate;
    return command;
}

QModelIndex PaperListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if ((action == MoveHome || action == MoveEnd) && model_.rowCount() > 0) {
        const int row = action == MoveHome ? 0 : model_.rowCount() - 1;
        return model_.index(row, currentIndex().isValid() ? currentIndex().column() : 0);
    }
    return QTableView::moveCursor(action, modifiers);
}

QString PaperListView::CellText(int row, int column) const {
    return model_.Cell(row, column);
}

bool PaperListView::SelectRow(int row) {
    if (row < 0 || row >= ItemCount())
        return false;
    const QModelIndex index = model_.index(row, 0);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
    return true;
}

int PaperListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

}  // namespace sheetwise
