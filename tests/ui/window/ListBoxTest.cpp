// The list boxes the window fills from the catalog after every change: a list that changes by
// one item changes that row alone, and its searches, data and notes follow.
#include <gtest/gtest.h>

#include "ui/widgets/ListBox.h"

namespace sheetwise {
namespace {

std::vector<ListBox::Item> Items(const QStringList& texts, int firstData = 0) {
    std::vector<ListBox::Item> items;
    for (const QString& text : texts)
        items.push_back({text, firstData++, QString::number(text.size()), text + u'?'});
    return items;
}

QStringList Texts(const ListBox& list) {
    QStringList texts;
    for (int row = 0; row < list.Count(); ++row)
        texts << list.ItemText(row);
    return texts;
}

TEST(ListBoxTest, OneItemInsertedRemovedOrRenamedChangesThatRowAndTheRestFollows) {
    ListBox list;
    list.ShowItems(Items({"A", "b", "C", "d"}));
    list.SelectRow(2);
    QListWidgetItem* selected = list.item(2);
    EXPECT_EQ(list.FindIgnoringCase(QStringLiteral("D")), 3);

    // A row removed before the selection: the selected item itself stays, one row up.
    list.ShowItems(Items({"A", "C", "d"}, 10));
    EXPECT_EQ(list.item(1), selected);
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(list.ItemData(1), 11);
    EXPECT_EQ(list.FindExact(QStringLiteral("d")), 2);
    EXPECT_EQ(list.FindIgnoringCase(QStringLiteral("D")), 2);
    EXPECT_EQ(list.FindExact(QStringLiteral("b")), -1);

    // Inserted and renamed: the notes and tooltips are the new items' own.
    list.ShowItems(Items({"A", "Bee", "C", "d"}));
    EXPECT_EQ(list.SelectedRow(), 2);
    EXPECT_EQ(list.ItemNote(1), QStringLiteral("3"));
    EXPECT_EQ(list.item(1)->toolTip(), QStringLiteral("Bee?"));
    EXPECT_EQ(list.FindExact(QStringLiteral("Bee")), 1);
    list.ShowItems(Items({"A", "Bee", "Sea", "d"}));
    EXPECT_EQ(list.item(2), selected);
    EXPECT_EQ(list.FindExact(QStringLiteral("C")), -1);
    EXPECT_EQ(list.FindIgnoringCase(QStringLiteral("sea")), 2);

    // More than one change: filled afresh, every detail its own.
    list.ShowItems(Items({"x", "y"}, 5));
    EXPECT_EQ(Texts(list), (QStringList{"x", "y"}));
    EXPECT_EQ(list.ItemData(1), 6);
    EXPECT_EQ(list.ItemData(2), -1);
    EXPECT_EQ(list.ItemNote(0), QStringLiteral("1"));
    // A text twice: the first row is the one found.
    list.ShowItems(Items({"x", "y", "x"}));
    EXPECT_EQ(list.FindExact(QStringLiteral("x")), 0);
    EXPECT_EQ(list.FindIgnoringCase(QStringLiteral("X")), 0);
}

}  // namespace
}  // namespace sheetwise
