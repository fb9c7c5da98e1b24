#include "model/PaperView.h"

#include <algorithm>
#include <utility>

#include "model/CaseInsensitive.h"
#include "model/PaperCatalog.h"
#include "model/SizeList.h"
#include "model/WeightRange.h"

namespace sheetwise {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// Sorts rows by the key each gives, ascending or descending; equal keys keep their order.
template <class KeyOf>
void SortRowsBy(std::vector<int32_t>& rows, SortOrder order, KeyOf keyOf) {
    using Key = decltype(keyOf(int32_t{}));
    std::vector<std::pair<Key, int32_t>> keyed;
    keyed.reserve(rows.size());
    for (const int32_t index : rows)
        keyed.emplace_back(keyOf(index), index);
    const bool descending = order == SortOrder::kDescending;
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
        return descending ? b.first < a.first : a.first < b.first;
    });
    for (size_t row = 0; row < keyed.size(); ++row)
        rows[row] = keyed[row].second;
}

// A size's width and height in millimetres; a paper without a valid size sorts first.
std::pair<double, double> SizeKey(const PaperCatalog& catalog, int32_t sizeIndex) {
    const std::vector<PaperSize>& sizes = catalog.sizes();
    if (sizeIndex < 0 || static_cast<size_t>(sizeIndex) >= sizes.size())
        return {-1.0, -1.0};
    const PaperSize& size = sizes[static_cast<size_t>(sizeIndex)];
    const double scale = size.unit == 0 ? kMillimetresPerInch : 1.0;
    return {size.width * scale, size.height * scale};
}

// 1-Sided, 1, 2-Sided, Inserter, then any other code.
int32_t ModeKey(int32_t mode) {
    switch (mode) {
        case kOneSided:
            return 0;
        case kTwoSided:
            return 1;
        case kInserter:
            return 2;
        default:
            return 3;
    }
}

}  // namespace

void PaperView::SetFindText(std::u16string_view text) {
    findText_ = text;
    foldedFind_ = FoldCase(text);
}

void PaperView::SortBy(PaperColumn column, SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
}

void PaperView::ClickColumn(PaperColumn column) {
    if (column != sortColumn_ || sortOrder_ == SortOrder::kCatalog)
        SortBy(column, SortOrder::kAscending);
    else if (sortOrder_ == SortOrder::kAscending)
        SortBy(column, SortOrder::kDescending);
    else
        SortBy(column, SortOrder::kCatalog);
}

void PaperView::Update(const PaperCatalog& catalog, std::u16string_view decimalSeparator) {
    Filter(catalog, decimalSeparator);
    if (sortOrder_ != SortOrder::kCatalog)
        Sort(catalog);
    rowOf_.assign(static_cast<size_t>(catalog.PaperCount()), -1);
    for (size_t row = 0; row < rows_.size(); ++row)
        rowOf_[static_cast<size_t>(rows_[row])] = static_cast<int32_t>(row);
}

void PaperView::Filter(const PaperCatalog& catalog, std::u16string_view decimalSeparator) {
    const std::vector<PaperDefinition>& papers = catalog.papers();
    rows_.clear();
    rows_.reserve(papers.size());
    if (foldedFind_.empty()) {
        for (size_t i = 0; i < papers.size(); ++i)
            rows_.push_back(static_cast<int32_t>(i));
        return;
    }
    // The few sizes' texts once, rather than once for each paper.
    std::vector<bool> sizeMatches;
    for (size_t i = 0; i < catalog.sizes().size(); ++i)
        sizeMatches.push_back(ContainsFolded(
            PaperSizeListText(catalog, static_cast<int32_t>(i), decimalSeparator), foldedFind_));
    const bool noSizeMatches =
        ContainsFolded(PaperSizeListText(catalog, -1, decimalSeparator), foldedFind_);
    for (size_t i = 0; i < papers.size(); ++i) {
        const PaperDefinition& paper = papers[i];
        const bool validSize =
            paper.sizeIndex >= 0 && static_cast<size_t>(paper.sizeIndex) < sizeMatches.size();
        if ((validSize ? sizeMatches[static_cast<size_t>(paper.sizeIndex)] : noSizeMatches) ||
            ContainsFolded(paper.name, foldedFind_) || ContainsFolded(paper.colour, foldedFind_) ||
            ContainsFolded(paper.type, foldedFind_) ||
            ContainsFolded(WeightListText(paper.weight), foldedFind_))
            rows_.push_back(static_cast<int32_t>(i));
    }
}

void PaperView::Sort(const PaperCatalog& catalog) {
    const std::vector<PaperDefinition>& papers = catalog.papers();
    const auto paper = [&papers](int32_t index) -> const PaperDefinition& {
        return papers[static_cast<size_t>(index)];
    };
    switch (sortColumn_) {
        case PaperColumn::kName:
            return SortRowsBy(rows_, sortOrder_,
                              [&](int32_t i) { return FoldCase(paper(i).name); });
        case PaperColumn::kSize:
            return SortRowsBy(rows_, sortOrder_,
                              [&](int32_t i) { return SizeKey(catalog, paper(i).sizeIndex); });
        case PaperColumn::kColour:
            return SortRowsBy(rows_, sortOrder_,
                              [&](int32_t i) { return FoldCase(paper(i).colour); });
        case PaperColumn::kWeight:
            return SortRowsBy(rows_, sortOrder_, [&](int32_t i) { return paper(i).weight; });
        case PaperColumn::kType:
            return SortRowsBy(rows_, sortOrder_,
                              [&](int32_t i) { return FoldCase(paper(i).type); });
        case PaperColumn::kMode:
            return SortRowsBy(rows_, sortOrder_,
                              [&](int32_t i) { return ModeKey(paper(i).imagedSides); });
    }
}

int32_t PaperView::IndexAt(int32_t row) const {
    return row >= 0 && row < RowCount() ? rows_[static_cast<size_t>(row)] : -1;
}

int32_t PaperView::RowOf(int32_t index) const {
    return index >= 0 && index < PaperCount() ? rowOf_[static_cast<size_t>(index)] : -1;
}

bool PaperView::ShowsCatalogOrder() const {
    return sortOrder_ == SortOrder::kCatalog && RowCount() == PaperCount();
}

}  // namespace sheetwise
