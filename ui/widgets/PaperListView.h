// The paper list: one row per paper, six text columns, one selected row.
//
// The list keeps no copy of the papers: its model asks a source for each cell as it is drawn,
// so showing ten thousand papers costs the rows on screen, and a change to the papers is a
// reset of the row count or a repaint.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <functional>

namespace sheetwise {

inline constexpr int kPaperListColumns = 6;

// What the list shows of a paper besides its cells: the default paper in bold with a star, and
// a precollated paper's mode followed by the word for it.
struct PaperRowMarks {
    bool isDefault = false;
    bool precollated = false;
};

class PaperRowsModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    using CellSource = std::function<QString(int row, int column)>;

    explicit PaperRowsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetHeaders(const QStringList& headers);
    void SetSource(CellSource cells) { cells_ = std::move(cells); }
    // A cell's own text, without the marks; empty outside the rows.
    QString Cell(int row, int column) const;
    // The rows are now `count` others: the selection goes.
    void Reset(int count);
    // The same rows show other texts: they are drawn again.
    void Refresh();

    // Asked for each row as it is drawn, so the marks always follow the catalog.
    void SetMarks(std::function<PaperRowMarks(int row)> marks, QString precollatedWord);

  private:
    QVariant MarkData(int row, int column, int role) const;

    QStringList headers_;
    CellSource cells_;
    std::function<PaperRowMarks(int row)> marks_;
    QString precollatedWord_;
    int count_ = 0;
};

class PaperListView final : public QTableView {
    Q_OBJECT

  public:
    explicit PaperListView(QWidget* parent = nullptr);

    PaperRowsModel& rows() { return model_; }
    int ItemCount() const { return model_.rowCount(); }
    QString CellText(int row, int column) const;

    // Makes a row the selected and focused row; false when there is no such row.
    bool SelectRow(int row);
    int SelectedRow() const;

  signals:
    // A row is about to change its selection state, by the user or by the program.
    void ItemChanging(int row, bool selected);
    void ItemDoubleClicked();

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    // Home and End go to the first and the last paper.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    PaperRowsModel model_;
};

}  // namespace sheetwise
