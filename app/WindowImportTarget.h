// The main window as the target of an import (ImportTarget.h): File > Import moves the imported
// papers and values through the window's own lists, so the list boxes, the working lists and the
// catalog stay in step exactly as when the operator adds values by hand, and the result is the
// catalog the command-line tool builds without a window.
#pragma once

#include "import/ImportTarget.h"

namespace sheetwise {

class MainDialog;

class WindowImportTarget final : public ImportTarget {
  public:
    explicit WindowImportTarget(MainDialog& window) : window_(window) {}

    PaperCatalog& catalog() override;
    const AttributeList& WorkingList(AttributeKind kind) const override;
    void ClearWorkingLists() override;
    // The attribute list boxes from the working lists; the sizes and names lists afresh from
    // the catalog.
    void RefreshPanels() override;
    std::vector<SizeListItem> SizeListItems() const override;
    void SelectOrAddListValue(AttributeKind kind, std::u16string_view text) override;
    // Fills the paper list, which selects the default paper and shows it in the fields.
    void ShowPapers() override;

  private:
    MainDialog& window_;
};

}  // namespace sheetwise
