// Steps and messages that several commands share.
#pragma once

#include <cstdint>
#include <string>

#include "cli/Console.h"
#include "model/CatalogDocument.h"

namespace sheetwise::cli {

// True when the file a path names (letter case resolved) can be opened for reading.
bool CanReadFile(const std::u16string& path);

// False, with a message, when the file cannot be opened for reading. what names it ("catalog").
bool RequireReadableFile(Console& console, const std::u16string& path, const char* what);

// The catalog at path, read as the editor reads it; never writes or copies a companion.
CatalogDocument ReadCatalog(const std::u16string& path);

// The exit status for a catalog read with this status: 0 for success, 2 when a file could not
// be opened, 1 for every other problem.
int ExitCodeForStatus(int32_t status);

// A warning for a catalog that did not load cleanly: the status, what it means and what followed
// from it. Nothing for status 0.
void ReportCatalogStatus(Console& console, const std::u16string& path, int32_t status);

}  // namespace sheetwise::cli
