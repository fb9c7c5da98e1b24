// Opening catalogs the way the editor opens them, and naming their companion files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/CompanionFiles.h"
#include "model/PaperCatalog.h"

namespace sheetwise::cli {

// The editor's LoadCatalog: the header text from the first line (ReadLeadingField), then the
// catalog with the built-in colours and types and ":" as separator. Reads; never writes or
// copies a companion.
PaperCatalog LoadCatalogAsEditor(const std::u16string& path);

// True when the file a path names (letter case resolved) can be opened for reading.
bool CanReadFile(const std::u16string& path);

// What a catalog status means, in a few words ("a paper line lacks a field").
std::string StatusText(int32_t status);

// The exit status for a catalog read with this status: 0 for success, 2 when a file could not
// be opened, 1 for every other problem.
int ExitCodeForStatus(int32_t status);

// True when a catalog read with this status holds every paper line that could be read: the
// files were opened and read to their end, though lines may have been dropped (11, 12).
bool PapersReadToEnd(int32_t status);

// The installation's default catalog for an executable: <prefix>/share/Korvane/Brevalon
// Sheetwise/KBRVCAT_EN.CAT beside <prefix>/bin, else KBRVCAT_EN.CAT beside the executable.
// Empty when neither exists.
std::u16string InstalledDefaultCatalog(std::u16string_view executablePath);

}  // namespace sheetwise::cli
