// The two options the editor answers on the terminal instead of opening a window: --help (-h) and
// --version. They are answered before the application object exists, so they need no display,
// and their names are never taken for a catalog to open.
#pragma once

#include <cstdio>
#include <optional>

namespace sheetwise {

// When the first argument is one of the options, prints its answer to `out` and gives the exit
// status: 0, or 1 (with a line on `err`) when the answer could not be written whole. Nothing for
// any other command line: the window starts, with the first argument as its catalog.
std::optional<int> AnswerInformationOption(int argc, const char* const* argv, std::FILE* out,
                                           std::FILE* err);

}  // namespace sheetwise
