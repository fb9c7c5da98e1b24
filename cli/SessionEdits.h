// An edit made on the editor's own session, as an operator makes it in the window: show the paper,
// type or choose the values, press the button. So the rules and the messages are the window's,
// and what a save writes afterwards is what the window's Save writes.
//
// An edit whose result is in place already is no change: adding a paper that is there with the
// same values, deleting one that is not there, renaming a paper that has its new name, making
// the default paper the default again. Edit scripts can so be applied again and again.
#pragma once

#include "cli/CatalogEdit.h"
#include "model/EditingSession.h"

namespace sheetwise::cli {

enum class EditResult {
    kChanged,
    kUnchanged,  // in place already, or nothing to do
    kRefused,    // told through the prompts, in the editor's words
};

EditResult MakeEdit(EditingSession& session, const CatalogEdit& edit, SessionPrompts& prompts);

}  // namespace sheetwise::cli
