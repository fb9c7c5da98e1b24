// The program's icons: 128 the program, 207 the move-up arrow, 210 the move-down arrow.
//
// They are SVG drawings compiled in from resources/icons and rendered at the size each use asks
// for, so a button image of 24 x 32 pixels stays sharp at any scale factor.
#pragma once

#include <QIcon>

namespace sheetwise {

// The icon with the resource id; a null icon when there is none.
QIcon LoadProgramIcon(int iconId);

}  // namespace sheetwise
