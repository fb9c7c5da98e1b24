// An import target without a window: a catalog plus what the window would keep beside it (its
// working lists and the texts its list boxes show), so that the command-line tool imports into
// exactly the catalog File > Import produces.
#pragma once

#include <array>
#include <string>
#include <unordered_set>

#include "import/ImportTarget.h"

namespace sheetwise {

class CatalogImportTarget final : public ImportTarget {
  public:
    // Takes the catalog as the window takes a freshly opened one: the working lists become
    // copies of its attribute lists, and the papers are shown (ShowPapers), which appends to the
    // lists any colour, weight or type a paper uses that they lack. The catalog must outlive the
    // target. decimalSeparator is the locale's, as the window uses it.
    CatalogImportTarget(PaperCatalog& catalog, std::u16string decimalSeparator);

    PaperCatalog& catalog() override { return catalog_; }
    const AttributeList& WorkingList(AttributeKind kind) const override;
    void ClearWorkingLists() override;
    void RefreshPanels() override;
    std::vector<SizeListItem> SizeListItems() const override;
    void SelectOrAddListValue(AttributeKind kind, std::u16string_view text) override;
    void ShowPapers() override;

  private:
    static size_t Slot(AttributeKind kind);

    PaperCatalog& catalog_;
    std::u16string decimalSeparator_;
    std::array<AttributeList, 3> working_;
    // The texts each attribute list box shows; a set, since an import offers every paper's values.
    std::array<std::unordered_set<std::u16string>, 3> shown_;
};

}  // namespace sheetwise
