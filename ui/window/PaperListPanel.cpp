#include "ui/window/PaperListPanel.h"

#include <QHeaderView>

#include "model/WeightRange.h"
#include "ui/resources/QtText.h"
#include "ui/widgets/FindBar.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/ControlIds.h"

namespace sheetwise {
namespace {

constexpr int kFindLabel = 10117;  // "Find:"
constexpr int kSomeOfAll = 10118;  // "%d1 of %d2 papers"
constexpr int kAll = 10119;        // "%d papers"
constexpr int kPrecollatedWord = 13137;

struct Column {
    int headerId;
    int extra;  // pixels beyond the header's text
};
constexpr Column kColumns[] = {{10115, 15}, {10096, 90},  {10097, 110},
                               {10098, 50}, {10099, 110}, {10072, 130}};

}  // namespace

PaperListPanel::PaperListPanel(PaperListView* list, FindBar& bar, const EditingSession& session,
                               std::function<void(int id)> command)
    : list_(list), bar_(bar), session_(session), command_(std::move(command)) {
    QObject::connect(&bar_.field(), &QLineEdit::textChanged, &bar_,
                     [this] { command_(control::kFindField); });
    if (list_ == nullptr)
        return;
    QObject::connect(&bar_.field(), &FindField::Left, list_, [this] { list_->setFocus(); });
    QObject::connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, list_,
                     [this](int column) { command_(control::kFirstColumnHeader + column); });
}

void PaperListPanel::Setup(const std::function<QString(int id)>& label) {
    label_ = label;
    bar_.SetLabel(label(kFindLabel));
    if (list_ == nullptr)
        return;
    QStringList headers;
    for (const Column& column : kColumns)
        headers << label(column.headerId);
    list_->rows().SetHeaders(headers);
    const QFontMetrics metrics(list_->horizontalHeader()->font());
    for (int i = 0; i < kPaperListColumns; ++i) {
        // The mode column is sized for the word "Mode", whatever its header says.
        const QString measured = i == 5 ? QStringLiteral("Mode") : headers[i];
        list_->setColumnWidth(i, metrics.horizontalAdvance(measured) + kColumns[i].extra);
    }
    list_->setColumnWidth(0, 200);
    list_->rows().SetSource([this](int row, int column) { return Cell(row, column); });
    list_->rows().SetMarks(
        [this](int row) {
            const int32_t index = view_.IndexAt(row);
            return PaperRowMarks{index >= 0 && index == session_.catalog().GetDefaultIndex(),
                                 session_.catalog().GetPrecollated(index) == 1};
        },
        label(kPrecollatedWord));
}

QString PaperListPanel::ModeLabel(int32_t mode) const {
    return label_(mode == kInserter ? 12075 : mode == kOneSided ? 12080 : 12076);
}

QString PaperListPanel::Cell(int row, int column) const {
    const int32_t index = view_.IndexAt(row);
    if (index < 0 || index >= session_.catalog().PaperCount())
        return {};
    const PaperDefinition& paper = session_.catalog().papers()[static_cast<size_t>(index)];
    switch (static_cast<PaperColumn>(column)) {
        case PaperColumn::kName:
            return ToQString(paper.name);
        case PaperColumn::kSize:
            return ToQString(session_.PaperSizeText(paper));
        case PaperColumn::kColour:
            return ToQString(paper.colour);
        case PaperColumn::kWeight:
            return ToQString(WeightListText(paper.weight));
        case PaperColumn::kType:
            return ToQString(paper.type);
        case PaperColumn::kMode:
            return ModeLabel(paper.imagedSides);
    }
    return {};
}

bool PaperListPanel::Dispatch(int id, EditingSession& session) {
    if (id == command::kFind) {
        bar_.Focus();
        return true;
    }
    if (id == control::kFindField) {
        view_.SetFindText(bar_.text().toStdU16String());
    } else if (id >= control::kFirstColumnHeader &&
               id < control::kFirstColumnHeader + kPaperColumnCount) {
        view_.ClickColumn(static_cast<PaperColumn>(id - control::kFirstColumnHeader));
    } else {
        return false;
    }
    view_.Update(session.catalog(), session.decimalSeparator());
    rowsChanged_ = true;
    if (view_.RowOf(session.selected()) < 0 && view_.RowCount() > 0)
        session.ShowPaper(view_.IndexAt(0));
    return true;
}

void PaperListPanel::Render(bool catalogChanged) {
    if (catalogChanged) {
        view_.Update(session_.catalog(), session_.decimalSeparator());
        // The same rows keep their scroll position; other rows start afresh.
        if (!rowsChanged_ && list_ != nullptr && list_->ItemCount() == view_.RowCount())
            list_->rows().Refresh();
        else
            rowsChanged_ = true;
    }
    if (rowsChanged_) {
        if (list_ != nullptr)
            list_->rows().Reset(view_.RowCount());
        ShowCount();
        ShowSort();
        rowsChanged_ = false;
    }
    if (list_ == nullptr)
        return;
    const int row = view_.RowOf(session_.selected());
    if (list_->SelectedRow() == row)
        return;
    if (row < 0)
        list_->clearSelection();
    else
        list_->SelectRow(row);
}

void PaperListPanel::ShowCount() {
    if (!label_)
        return;
    QString count;
    if (view_.findText().empty()) {
        count = label_(kAll).replace(QStringLiteral("%d"), QString::number(view_.PaperCount()));
    } else {
        count = label_(kSomeOfAll)
                    .replace(QStringLiteral("%d1"), QString::number(view_.RowCount()))
                    .replace(QStringLiteral("%d2"), QString::number(view_.PaperCount()));
    }
    bar_.SetCount(count);
}

void PaperListPanel::ShowSort() {
    if (list_ == nullptr)
        return;
    QHeaderView* header = list_->horizontalHeader();
    header->setSortIndicatorShown(view_.sortOrder() != SortOrder::kCatalog);
    header->setSortIndicator(
        static_cast<int>(view_.sortColumn()),
        view_.sortOrder() == SortOrder::kDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

}  // namespace sheetwise
