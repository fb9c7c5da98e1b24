// An accelerator table: keys that become commands before the focused control sees them.
//
// The window offers every key press to its table first; a key found there is consumed and its
// command dispatched, even inside an edit field (Ctrl+A saves under a new name rather than
// selecting the field's text). Some keys have a command that nothing answers; they are in the
// table so that the key is swallowed all the same.
#pragma once

#include <QKeyCombination>
#include <optional>
#include <vector>

namespace sheetwise {

struct Accelerator {
    QKeyCombination key;
    int commandId = 0;
};

struct AcceleratorTable {
    int id = 0;
    std::vector<Accelerator> entries;  // in file order, no key twice

    // The command of the key, or std::nullopt when the table does not carry it.
    std::optional<int> CommandFor(QKeyCombination key) const;
};

}  // namespace sheetwise
