// File > Merge Paper Catalog: the papers and values of an import file (".ini") added to the
// catalog held, as one step of its history, so that one Undo takes the whole merge back.
//
// Unlike File > Import, which builds a new catalog, a merge keeps everything the catalog has:
// its papers, their order, its default paper and its lists. The import file's papers are
// appended in file order, its values join the lists that lack them, and its default paper is
// not taken over. The editor and sheetwise-cli can both run it on a session.
#pragma once

#include "model/EditingSession.h"

namespace sheetwise {

// Has the import file chosen, reads it, and appends its papers (sizes matched against the
// catalog's sizes list, as an import matches them) and values. A paper whose name the catalog
// has is left out, and named; definitions and values the catalog cannot take are left out and
// named as an import names them. True when anything was added; the first paper added is shown.
bool MergeCatalogFile(EditingSession& session, SessionPrompts& prompts);

}  // namespace sheetwise
