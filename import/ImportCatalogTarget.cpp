#include "import/ImportCatalogTarget.h"

#include <utility>

#include "formats/CatalogText.h"
#include "model/PaperCatalog.h"
#include "model/WeightRange.h"

namespace sheetwise {
namespace {

constexpr AttributeKind kKinds[] = {kWeights, kTypes, kColours};

}  // namespace

CatalogImportTarget::CatalogImportTarget(PaperCatalog& catalog, std::u16string decimalSeparator)
    : catalog_(catalog), decimalSeparator_(std::move(decimalSeparator)) {
    for (const AttributeKind kind : kKinds)
        working_[Slot(kind)] = catalog_.GetAttributeList(kind);
    RefreshPanels();
    ShowPapers();
}

size_t CatalogImportTarget::Slot(AttributeKind kind) {
    return kind == kWeights ? 0 : kind == kTypes ? 1 : 2;
}

const AttributeList& CatalogImportTarget::WorkingList(AttributeKind kind) const {
    return working_[Slot(kind)];
}

void CatalogImportTarget::ClearWorkingLists() {
    for (AttributeList& list : working_)
        list.clear();
}

void CatalogImportTarget::RefreshPanels() {
    for (size_t slot = 0; slot < working_.size(); ++slot)
        shown_[slot] =
            std::unordered_set<std::u16string>(working_[slot].begin(), working_[slot].end());
}

std::vector<SizeListItem> CatalogImportTarget::SizeListItems() const {
    return SizeListItemsOf(catalog_, decimalSeparator_);
}

void CatalogImportTarget::SelectOrAddListValue(AttributeKind kind, std::u16string_view text) {
    if (text.empty())
        return;
    const size_t slot = Slot(kind);
    if (!shown_[slot].emplace(text).second)
        return;
    working_[slot].emplace_back(text);
    // A value the catalog refuses stays in the working list only, as the window shows it.
    catalog_.AddAttributeValue(kind, text);
}

void CatalogImportTarget::ShowPapers() {
    for (const PaperDefinition& paper : catalog_.papers()) {
        SelectOrAddListValue(kColours, paper.colour);
        SelectOrAddListValue(kWeights, WeightListText(paper.weight));
        SelectOrAddListValue(kTypes, paper.type);
    }
}

}  // namespace sheetwise
