// A list box of the editing panel: unsorted items, each with a data value, and the two searches
// the window needs, exact and ignoring case. Both searches go through hash indexes, so filling a
// list of ten thousand names stays linear.
//
// An item may carry a note, drawn small at its right end (how many papers use a value), and a
// tooltip. Neither is part of its text: the searches and ItemText see the text alone.
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
        QString note;
        QString tip;
    };
    // Shows exactly these items; a list that shows their texts and data already keeps its
    // selection and scroll position, and only its notes and tooltips follow.
    void ShowItems(const std::vector<Item>& items);
    // Appends an item; returns its row.
    int AddItem(const QString& text, int data, const QString& note = {}, const QString& tip = {});
    void DeleteItem(int row);
    void RemoveAll();

    int Count() const { return count(); }
    QString ItemText(int row) const;
    int ItemData(int row) const;  // -1 for a row that does not exist
    QString ItemNote(int row) const;

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
