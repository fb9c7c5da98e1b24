// A list box of the editing panel: unsorted items, each with a data value, and the two searches
// the window needs, exact and ignoring case. Both searches go through hash indexes, so filling a
// list of ten thousand names stays linear.
#pragma once

#include <QHash>
#include <QListWidget>
#include <QString>
#include <vector>

namespace sheetwise {

class ListBox final : public QListWidget {
    Q_OBJECT

  public:
    explicit ListBox(QWidget* parent = nullptr);

    struct Item {
        QString text;
        int data = -1;
    };
    // Shows exactly these items; a list that shows them already is left alone, its selection
    // and scroll position included.
    void ShowItems(const std::vector<Item>& items);
    // Appends an item; returns its row.
    int AddItem(const QString& text, int data);
    void DeleteItem(int row);
    void RemoveAll();

    int Count() const { return count(); }
    QString ItemText(int row) const;
    int ItemData(int row) const;  // -1 for a row that does not exist

    // The first row whose text equals text exactly, or -1.
    int FindExact(const QString& text) const;
    // The first row whose text equals text ignoring case, or -1.
    int FindIgnoringCase(const QString& text) const;

    // Selects a row (-1: none) without telling the window, as a program's own selection does.
    void SelectRow(int row);
    int SelectedRow() const;

  signals:
    // Anything the user did to the list: a click or key that changed the selection, a double
    // click, the focus arriving or leaving.
    void Notified();

  protected:
    // A right click asks what the list is (What's this); it chooses no item.
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void RebuildIndexes();
    void IndexRow(int row, const QString& text);

    QHash<QString, int> exact_;
    QHash<QString, int> folded_;
    bool selectingForProgram_ = false;
};

}  // namespace sheetwise
