// The names of the temporary files a save writes beside its target, and the removal of the ones
// a killed save left behind.
//
//   .NAME.tmpPID-RANDOM          while that fits the folder's name limit
//   .sw-HASH.tmpPID-RANDOM       for a NAME too long for it (HASH: 16 hex digits of NAME)
//
// Only names of exactly this form, made for the very target being saved, are ever removed, so a
// save cleans up after earlier saves of the same file and touches nothing else.
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

// A temporary name for a file called name (no folder) in a folder whose names may have up to
// nameLimit bytes. unique is the "PID-RANDOM" part.
std::string TemporaryName(std::string_view name, std::string_view unique, size_t nameLimit);

// True when entry is a temporary name that TemporaryName gives for name, in either form.
bool IsTemporaryOf(std::string_view entry, std::string_view name);

// Removes from the folder every temporary file of name. Call only while holding the folder's
// CatalogWriteLock: every writer creates its temporary file under that lock, so whatever is
// found then was left by a writer that died.
void RemoveStaleTemporaries(const std::string& folder, std::string_view name);

// The longest file name the folder takes (255 where the system cannot tell).
size_t NameLimit(const std::string& folder);

}  // namespace sheetwise
