// Paths as the catalog files name them, turned into paths this file system can open.
//
// Catalogs and their companions travel between Windows print servers and this editor, so their
// names are written in any letter case. Every open, existence test and copy goes through these
// functions so that "Office.CAT", "office.cat.atr" and "OFFICE.def" still find each other.
//
// To this file system a name is bytes, and the core holds it as UTF-16. The mapping is lossless
// both ways: UTF-8 becomes the characters it encodes, and each byte that is not part of valid
// UTF-8 becomes one of the lone surrogates U+DC80..U+DCFF (Python's "surrogateescape"), which
// turns back into that byte. So a name that is no UTF-8 still opens, and no name silently becomes
// another (a U+FFFD instead of the byte). A backslash is an ordinary byte of a name here.
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

// The native path under which the file named by a wide path is opened. When the folder holds an
// entry whose name equals the last component ignoring the case of A to Z, that entry's own name is
// used (an exact match first, otherwise the first such name in byte order); a name that matches
// nothing (a file still to be created) is kept as written.
std::string ToNativePath(std::u16string_view path);

// The same resolution of the last component for a path that is already native.
std::string ResolveNameCase(const std::string& path);

// The lossless mapping between native bytes and the core's UTF-16 (see above). A lone surrogate
// outside U+DC80..U+DCFF, which no native name gives, becomes U+FFFD.
std::string NativeFromWide(std::u16string_view text);
std::u16string WideFromNative(std::string_view bytes);

// The folder part of a native path ("." for a bare name, "/" for the root) and its last component.
std::string FolderOf(const std::string& path);

// The process's current folder, or "." when it cannot be told.
std::string CurrentFolder();
std::string NameOf(const std::string& path);

}  // namespace sheetwise
