// The program's texts by string-table id, for the parts of the program that have no string
// provider: sheetwise-cli says what the editor says, in the editor's words. The table is made
// by the build from resources/strings/strings.json, the same file the editor's table is read
// from.
#pragma once

#include <string_view>

namespace sheetwise {

// The text of a string-table id; empty when the table has none.
std::u16string_view MessageText(int id);

}  // namespace sheetwise
