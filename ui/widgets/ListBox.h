// A list box of the editing panel: unsorted items, each with a data value, and the two searches
// the window needs, exact and ignoring case. Both searches go through hash indexes, made when
// first needed after a change, so filling a list of ten thousand names stays linear; a list that
// changes by one item (a paper added or deleted) changes that row alone.
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
    // Shows exactly these items. Where the texts shown differ from theirs by one item inserted,
    // removed or renamed, only that row changes, and the list keeps its selection and scroll
    // position; otherwise the list is filled afresh.
    void ShowItems(const std::vector<Item>& items);

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
    // A right click asks what the list is (What's this); it chooses no item.
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool FollowOneChange(const std::vector<Item>& items);
    void Refill(const std::vector<Item>& items);
    void TakeDetails(const std::vector<Item>& items);
    static QHash<QString, int> FirstRows(const QListWidget& list, bool fold);

    // Beside each row: its data value, note and tooltip as last given.
    std::vector<int> data_;
    std::vector<QString> notes_;
    std::vector<QString> tips_;
    // The first row of each text (and of each text folded); empty until a search needs them.
    mutable QHash<QString, int> exact_;
    mutable QHash<QString, int> folded_;
    bool selectingForProgram_ = false;
};

}  // namespace sheetwise
