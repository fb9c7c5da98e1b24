// Which string-table text a menu item shows.
//
// The menu resource carries design-time texts only; at start-up every item is given the text of
// the id this function names. The top-level items are addressed by position, the pop-up items by
// their command id; the numbers cannot collide because no command id of the menu is below 1000.
#pragma once

#include <cstdint>
#include <optional>

namespace sheetwise {

// The string id (to be read with the "LAB#" prefix) for top-level position 0, 1 or 2 (File, Edit,
// Help) or for the command id of a pop-up item. std::nullopt for anything else: such an item
// keeps the text of the menu resource.
std::optional<std::uint16_t> MenuTextId(int positionOrCommandId);

}  // namespace sheetwise
