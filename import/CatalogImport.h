// File > Import as one command on an editing session: the papers and values of an import file
// (".ini") moved into a fresh copy of the installed default catalog, which the session then holds
// as an untitled catalog. The editor and sheetwise-cli both run it, so both make the same catalog
// and say the same about it.
#pragma once

#include "model/EditingSession.h"

namespace sheetwise {

// Asks about unsaved changes, has the import file chosen, reads it and builds the catalog on
// the default catalog's sizes. Tells what the import changed or left out: colons replaced (a
// warning), a default paper that could not be taken over (a warning), definitions and values
// left out (one error naming each). An import that fails leaves the default catalog held, and
// says so. True when the session holds the imported catalog.
bool ImportCatalogFile(EditingSession& session, SessionPrompts& prompts);

}  // namespace sheetwise
