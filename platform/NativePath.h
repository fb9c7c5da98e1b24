// Paths as the catalog files name them, turned into paths this file system can open.
//
// Catalogs and their companions travel between Windows print servers and this editor, so their
// names are written in any letter case and with either kind of slash. Every open, existence test
// and copy goes through these functions so that "Office.CAT", "office.cat.atr" and "OFFICE.def"
// still find each other.
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

// The UTF-8 path under which the file named by a wide path is opened. Both "\" and "/" separate
// folders. When the folder holds an entry whose name equals the last component ignoring the case
// of A to Z, that entry's own name is used (an exact match first, otherwise the first such name in
// byte order); a name that matches nothing (a file still to be created) is kept as written.
std::string ToNativePath(std::u16string_view path);

// The same resolution of the last component for a path that is already UTF-8.
std::string ResolveNameCase(const std::string& path);

// The folder part of a UTF-8 path ("." for a bare name, "/" for the root) and its last component.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

}  // namespace sheetwise
