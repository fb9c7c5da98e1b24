#include "editor/PaperListView.h"

#include <QHeaderView>

namespace sheetwise {

int PaperRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PaperRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPaperListColumns;
}

QVariant PaperRowsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return rows_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
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

void PaperRowsModel::SetRows(std::vector<PaperRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void PaperRowsModel::SetCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= kPaperListColumns)
        return;
    rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
    emit dataChanged(index(row, column), index(row, column));
}

const PaperRow* PaperRowsModel::Row(int row) const {
    return row >= 0 && row < rowCount() ? &rows_[static_cast<size_t>(row)] : nullptr;
}

void PaperRowsModel::DeleteRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

PaperListView::PaperListView(QWidget* parent) : QTableView(parent) {
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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

QString PaperListView::CellText(int row, int column) const {
    const PaperRow* cells = model_.Row(row);
    return cells && column >= 0 && column < kPaperListColumns
               ? (*cells)[static_cast<size_t>(column)]
               : QString();
}

void PaperListView::DeleteAllItems() {
    model_.SetRows({});
}

void PaperListView::DeleteItem(int row) {
    model_.DeleteRow(row);
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
