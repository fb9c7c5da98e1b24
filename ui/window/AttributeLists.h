// The list boxes of the editing panel as the window shows them: the names, the sizes, and the
// colours, weights and types on offer, each value with the number of papers that use it (and
// their names in its tooltip), and the values held for the paper shown selected.
#pragma once

#include <functional>
#include <vector>

#include "model/EditingSession.h"
#include "ui/widgets/ListBox.h"

namespace sheetwise {

class AttributeLists {
  public:
    // list(id): the list box of that id, or null when the template lacks it.
    explicit AttributeLists(std::function<ListBox*(int id)> list) : list_(std::move(list)) {}

    // Fills the lists again when the catalog changed, then selects what the session holds.
    void Render(const EditingSession& session, bool catalogChanged);

  private:
    void Fill(const EditingSession& session);
    void ShowNames(const PaperCatalog& catalog);
    void ShowSizes(const EditingSession& session);
    void SelectHeld(const EditingSession& session);

    std::function<ListBox*(int id)> list_;
    // The sizes list as the catalog gives it; the size held is added when it is none of these.
    std::vector<ListBox::Item> sizes_;
    // The papers' names the names list was last filled from: most changes leave them alone, and
    // filling the list afresh is the dearest part of drawing a large catalog.
    std::vector<std::u16string> names_;
};

}  // namespace sheetwise
