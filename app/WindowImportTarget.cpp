#include "app/WindowImportTarget.h"

#include "app/MainDialog.h"
#include "editor/ListBox.h"

namespace sheetwise {
namespace {

int ListBoxOf(AttributeKind kind) {
    return kind == kWeights ? control::kWeightList
           : kind == kTypes ? control::kTypeList
                            : control::kColourList;
}

}  // namespace

PaperCatalog& WindowImportTarget::catalog() {
    return window_.catalog_;
}

const AttributeList& WindowImportTarget::WorkingList(AttributeKind kind) const {
    const WorkingAttributeLists& lists = window_.working_;
    return kind == kWeights ? lists.weights : kind == kTypes ? lists.types : lists.colours;
}

void WindowImportTarget::ClearWorkingLists() {
    window_.working_ = WorkingAttributeLists{};
}

void WindowImportTarget::RefreshPanels() {
    window_.FillAttributeListBoxes();
    window_.FillSizeList(true);
    window_.FillNameList(true);
}

std::vector<SizeListItem> WindowImportTarget::SizeListItems() const {
    std::vector<SizeListItem> items;
    const ListBox* sizes = window_.listBox(control::kSizeList);
    if (sizes == nullptr)
        return items;
    items.reserve(static_cast<size_t>(sizes->Count()));
    for (int row = 0; row < sizes->Count(); ++row) {
        // A text the list shows for a paper whose size it lacks is no size one could pick.
        const int index = sizes->ItemData(row);
        if (index >= 0)
            items.push_back({sizes->ItemText(row).toStdU16String(), index});
    }
    return items;
}

void WindowImportTarget::SelectOrAddListValue(AttributeKind kind, std::u16string_view text) {
    window_.SelectOrAddListValue(ListBoxOf(kind), std::u16string(text));
}

void WindowImportTarget::ShowPapers() {
    window_.FillPaperList();
}

}  // namespace sheetwise
