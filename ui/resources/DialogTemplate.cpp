#include "ui/resources/DialogTemplate.h"

#include <algorithm>

namespace sheetwise {

const DialogControl* DialogTemplate::Find(int controlId) const {
    auto found = std::find_if(controls.begin(), controls.end(),
                              [controlId](const DialogControl& c) { return c.id == controlId; });
    return found == controls.end() ? nullptr : &*found;
}

bool DialogTemplate::RemoveControl(int controlId) {
    return std::erase_if(controls,
                         [controlId](const DialogControl& c) { return c.id == controlId; }) != 0;
}

}  // namespace sheetwise
