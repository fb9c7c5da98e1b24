// The edit an edit command's operands and options ask for ("modify Letter --weight 90"), checked
// as far as the command line can check it: the options the edit takes and the form of their
// values. Whether a catalog takes the edit is the editing session's to say.
#pragma once

#include <string>
#include <vector>

#include "cli/CatalogEdit.h"

namespace sheetwise::cli {

// The edit options as given; an empty text is an option not given.
struct EditOptions {
    std::u16string size;
    std::u16string weight;
    std::u16string colour;
    std::u16string type;
    std::u16string sides;
    std::u16string to;
    bool precollated = false;
    bool notPrecollated = false;
    bool up = false;
    bool down = false;
};

// kind: the edit of the command; operands: its arguments before the catalogs. False, with what is
// wrong in `error`, when they make no edit.
bool ReadEditArguments(EditKind kind, const std::vector<std::u16string>& operands,
                       const EditOptions& options, CatalogEdit& edit, std::string& error);

}  // namespace sheetwise::cli
