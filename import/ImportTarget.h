// What an import moves its papers and values into: the window's catalog together with the
// window's own lists, or the same thing without a window (ImportCatalogTarget.h).
//
// An import never writes into the catalog alone. Values go through the attribute list boxes
// (`SelectOrAddListValue`), which append to the catalog only what they do not show yet, and
// imported sizes are matched against the sizes list's texts. The command-line tool must produce
// the same catalog as File > Import in the window, so both sides implement this one contract and
// the import operations (ImportTransfer.h) are written once against it.
//
// Contract, as the window keeps it:
//   - catalog(): the catalog shown; the import edits it through its ordinary operations.
//   - WorkingList(kind): the window's copy of the catalog's weights, types or colours, in the
//     order of the list boxes. It starts as a copy of the catalog's list when a catalog is shown
//     and grows with every value SelectOrAddListValue appends.
//   - ClearWorkingLists(): empties the three working lists; the list boxes keep their items
//     until RefreshPanels().
//   - RefreshPanels(): shows the working lists and the catalog again (the list boxes are filled
//     from the working lists; sizes and names from the catalog).
//   - SizeListItems(): the items of the sizes list, in list order, with their size indexes.
//   - SelectOrAddListValue(kind, text): nothing for an empty text; selects the list box item
//     equal to text (exact, case-sensitive) or else appends text to the list box, the working
//     list and the catalog's list of that kind, marking that list changed.
//   - ShowPapers(): fills the paper list from the catalog. On the way every paper's colour,
//     weight text ("*" for 0) and type go through SelectOrAddListValue, in that order, paper by
//     paper, so a value a paper uses that the lists lack is appended to them.
#pragma once

#include <string_view>
#include <vector>

#include "formats/PaperDefinition.h"
#include "model/SizeList.h"

namespace sheetwise {

class PaperCatalog;

class ImportTarget {
  public:
    virtual ~ImportTarget() = default;

    virtual PaperCatalog& catalog() = 0;
    virtual const AttributeList& WorkingList(AttributeKind kind) const = 0;
    virtual void ClearWorkingLists() = 0;
    virtual void RefreshPanels() = 0;
    virtual std::vector<SizeListItem> SizeListItems() const = 0;
    virtual void SelectOrAddListValue(AttributeKind kind, std::u16string_view text) = 0;
    virtual void ShowPapers() = 0;
};

}  // namespace sheetwise
