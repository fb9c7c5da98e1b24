// What the paper list shows of a catalog: the papers a find text leaves, in the order a column
// sort gives, as catalog indexes.
//
// Finding and sorting only change what is shown: the catalog, its order in the file and its
// history never see them. The list asks the view which paper each row shows, and the window
// asks which row shows the paper the session holds; a paper the find text leaves out has none.
// While the view hides papers or shows them in another order than the catalog's, moving a
// paper up or down would not do what the rows suggest, so the view says when moves make sense.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sheetwise {

class PaperCatalog;

// The paper list's columns, in the order the list shows them.
enum class PaperColumn : int32_t { kName, kSize, kColour, kWeight, kType, kMode };
inline constexpr int32_t kPaperColumnCount = 6;

enum class SortOrder { kCatalog, kAscending, kDescending };

class PaperView {
  public:
    // Papers whose name, size, colour, weight or type contains the text, ignoring letter case;
    // an empty text leaves every paper. Takes effect with the next Update.
    void SetFindText(std::u16string_view text);
    const std::u16string& findText() const { return findText_; }

    // Sorts by a column; papers that compare equal keep their catalog order. Names, colours and
    // types sort as texts ignoring case, sizes by width and then height in millimetres, weights
    // as numbers ("*" first), modes as 1-Sided, 1, 2-Sided, Inserter. Takes effect with the next
    // Update.
    void SortBy(PaperColumn column, SortOrder order);
    // A click on a column's header: an unsorted column sorts ascending, then descending, and a
    // third click goes back to the catalog's order.
    void ClickColumn(PaperColumn column);
    PaperColumn sortColumn() const { return sortColumn_; }
    SortOrder sortOrder() const { return sortOrder_; }

    // Works out the rows for the catalog as it is now. Call it after every change of the
    // catalog, the find text or the sort. decimalSeparator: the one sizes are shown with.
    void Update(const PaperCatalog& catalog, std::u16string_view decimalSeparator);

    int32_t RowCount() const { return static_cast<int32_t>(rows_.size()); }
    // How many papers the catalog held at the last Update.
    int32_t PaperCount() const { return static_cast<int32_t>(rowOf_.size()); }
    // The catalog index a row shows; -1 outside the rows.
    int32_t IndexAt(int32_t row) const;
    // The row that shows a catalog index; -1 when the find text leaves the paper out.
    int32_t RowOf(int32_t index) const;
    // Every paper is shown, in the catalog's order: a row moved is a paper moved.
    bool ShowsCatalogOrder() const;

  private:
    void Filter(const PaperCatalog& catalog, std::u16string_view decimalSeparator);
    void Sort(const PaperCatalog& catalog);

    std::u16string findText_;
    std::u16string foldedFind_;
    PaperColumn sortColumn_ = PaperColumn::kName;
    SortOrder sortOrder_ = SortOrder::kCatalog;
    std::vector<int32_t> rows_;   // row -> catalog index
    std::vector<int32_t> rowOf_;  // catalog index -> row, or -1
};

}  // namespace sheetwise
