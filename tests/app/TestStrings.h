// Helpers shared by the string tests.
#pragma once

#include <memory>

#include "app/ProgramStrings.h"
#include "app/StringResources.h"

namespace sheetwise::testing_support {

// A private copy of the program's texts that a test may change without touching the shared one.
inline std::shared_ptr<StringResources> CopyOfProgramStrings() {
    return std::make_shared<StringResources>(*ProgramStrings());
}

}  // namespace sheetwise::testing_support
