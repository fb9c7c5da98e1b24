#include "ui/resources/MenuTemplate.h"

namespace sheetwise {

namespace {

const MenuItem* FindIn(const std::vector<MenuItem>& items, int commandId) {
    for (const MenuItem& item : items) {
        if (item.kind == MenuItemKind::Command && item.commandId == commandId) {
            return &item;
        }
        if (const MenuItem* found = FindIn(item.items, commandId)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

const MenuItem* MenuTemplate::FindCommand(int commandId) const {
    return FindIn(items, commandId);
}

}  // namespace sheetwise
