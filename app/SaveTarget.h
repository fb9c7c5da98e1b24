// Making sure a file chosen in the Save As dialog can take the catalog, before anything changes.
//
// Save As used to empty the chosen file first and write the catalog afterwards; a write that
// failed in between left the operator with an empty file where a catalog had been. The check
// below never truncates: the catalog itself is written next to the file and renamed over it only
// when complete (AtomicFile), so an existing file keeps its bytes until the new ones are safe.
#pragma once

#include <string>

namespace sheetwise {

enum class SaveTargetResult {
    kExisting,  // the file exists and may be written; nothing was changed
    kCreated,   // the file did not exist and has been created empty
    kRefused,   // the file or its folder is read-only or missing, or the name is not a file
};

// Checks a resolved path (NativePath.h) the way the atomic save will need it: the folder must be
// writable by its owner, an existing target must be a regular file its owner may write (the
// owner's write permission decides, also for root), and a missing target is created empty.
SaveTargetResult PrepareSaveTarget(const std::string& path);

}  // namespace sheetwise
