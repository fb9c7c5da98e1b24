// The paper list with the find bar above it: which papers the list shows, in which order, and
// which row shows the paper the session holds.
//
// The catalog and the paper shown are the session's; the panel keeps the view of them
// (model/PaperView.h) that maps the list's rows to catalog indexes, with the find text and the
// column the list is sorted by. Typing in the find field and clicking a column's header reach
// the window's dispatch as commands (control::kFindField, control::kFirstColumnHeader + column),
// so that tests drive them by id as they drive every other control.
#pragma once

#include <QString>
#include <functional>

#include "model/EditingSession.h"
#include "model/PaperView.h"

namespace sheetwise {

class FindBar;
class PaperListView;

class PaperListPanel {
  public:
    // list may be null, for a template without the paper list; the find bar is shown all the
    // same. command(id): the window's dispatch.
    PaperListPanel(PaperListView* list, FindBar& bar, const EditingSession& session,
                   std::function<void(int id)> command);

    // Headers, column widths and the find bar's label, from the string table (label(id)).
    void Setup(const std::function<QString(int id)>& label);

    // The panel's own commands (Find, which focuses the find field; a find text typed; a header
    // clicked); false for any other id. A find text that leaves out the paper
    // shown shows the first paper it leaves, so that the commands act on a paper in sight.
    bool Dispatch(int id, EditingSession& session);
    // Shows the rows (worked out again when the catalog changed), the paper shown selected, the
    // count of papers shown and the sort.
    void Render(bool catalogChanged);

    // The catalog index a row shows; -1 outside the rows.
    int32_t IndexAt(int row) const { return view_.IndexAt(row); }
    // A paper moved up or down moves its row: the list shows every paper in catalog order.
    bool MovesAllowed() const { return view_.ShowsCatalogOrder(); }
    FindBar& findBar() { return bar_; }

  private:
    QString Cell(int row, int column) const;
    QString ModeLabel(int32_t mode) const;
    void ShowCount();
    void ShowSort();

    PaperListView* list_;
    FindBar& bar_;
    const EditingSession& session_;
    std::function<void(int id)> command_;
    std::function<QString(int id)> label_;
    PaperView view_;
    // The view changed its rows (another find text or sort) since the list last showed them.
    bool rowsChanged_ = true;
};

}  // namespace sheetwise
