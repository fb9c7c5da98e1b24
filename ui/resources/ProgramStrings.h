// The program's own texts: the string data file compiled in from resources/strings.
#pragma once

#include <memory>

#include "ui/resources/StringResources.h"

namespace sheetwise {

// The program's module of texts, read once and shared. Never null: should the built-in file be
// unreadable, which the tests rule out, the module is empty and every lookup fails.
std::shared_ptr<const StringResources> ProgramStrings();

}  // namespace sheetwise
