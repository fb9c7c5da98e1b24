// The paper list: one row per paper, six text columns, one selected row.
//
// The rows live in a plain table model, so that filling ten thousand papers is one reset of the
// model rather than ten thousand inserts, and exchanging two rows after a move touches two rows.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <array>
#include <functional>
#include <vector>

namespace sheetwise {

inline constexpr int kPaperListColumns = 6;
using PaperRow = std::array<QString, kPaperListColumns>;

// What the list shows of a paper besides its cells: the default paper in bold with a star, and
// a precollated paper's mode followed by the word for it.
struct PaperRowMarks {
    bool isDefault = false;
    bool precollated = false;
};

class PaperRowsModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit PaperRowsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetHeaders(const QStringList& headers);
    void SetRows(std::vector<PaperRow> rows);
    void SetCell(int row, int column, const QString& text);
    const PaperRow* Row(int row) const;
    void DeleteRow(int row);

    // Asked for each row as it is drawn, so the marks always follow the catalog.
    void SetMarks(std::function<PaperRowMarks(int row)> marks, QString precollatedWord);

  private:
    QVariant MarkData(int row, int column, int role) const;

    QStringList headers_;
    std::function<PaperRowMarks(int row)> marks_;
    QString precollatedWord_;
    std::vector<PaperRow> rows_;
};

class PaperListView final : public QTableView {
    Q_OBJECT

  public:
    explicit PaperListView(QWidget* parent = nullptr);

    PaperRowsModel& rows() { return model_; }
    int ItemCount() const { return model_.rowCount(); }
    QString CellText(int row, int column) const;
    void DeleteAllItems();
    void DeleteItem(int row);

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

  private:
    PaperRowsModel model_;
};

}  // namespace sheetwise
