#include "ui/resources/AcceleratorTable.h"

namespace sheetwise {

std::optional<int> AcceleratorTable::CommandFor(QKeyCombination key) const {
    for (const Accelerator& entry : entries) {
        if (entry.key == key) {
            return entry.commandId;
        }
    }
    return std::nullopt;
}

}  // namespace sheetwise
