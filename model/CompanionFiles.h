// How a catalog's companion files are named after the catalog file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sheetwise {

// The size-definition file whose presence is checked and which is copied: the path up to and
// including its last "." followed by "def"; without a "." the whole path followed by "def".
std::u16string CompanionSizePath(std::u16string_view catalogPath);

// The attribute file of a catalog: its full path with ".atr" appended; for a catalog that is a
// symbolic link, the path of the file the link leads to with ".atr" appended, since the attribute
// file belongs beside the catalog file it was written with (SymbolicLinks.h).
std::u16string CompanionAttributePath(std::u16string_view catalogPath);

// Why a catalog written under this name would not be read back as one catalog with its
// companions (no extension of at most three characters in the file name, or "-"), in words
// for people; nothing for a name that works.
std::optional<std::string> CatalogNameProblem(std::u16string_view catalogPath);

}  // namespace sheetwise
