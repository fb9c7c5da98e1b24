// Writing the catalogs that took the edits: each as the editor's Save writes it (or its Save As,
// for --out), with the editor's messages when a write fails.
#pragma once

#include <vector>

#include "cli/EditRun.h"

namespace sheetwise::cli {

// Writes every catalog the edits changed (with --out: the one catalog, changed or not). A save
// spends its time waiting for the disk to sync its files, so the catalogs of different folders
// are written side by side; those of one folder one after the other, as the folder's lock lets
// its writers take turns anyway. Once a write fails no further catalog is begun; the messages
// come in the order the catalogs were named. Returns the exit status.
int WriteCatalogs(std::vector<CatalogEditing>& catalogs, const Invocation& invocation,
                  Console& console);

}  // namespace sheetwise::cli
