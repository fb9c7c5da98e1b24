// Where the installation's default catalog lives and how a catalog's companion files are named.
#pragma once

#include <string>

#include "model/CompanionFiles.h"

namespace sheetwise {

// The default catalog below the program's data folder, and its file name.
inline constexpr std::u16string_view kDefaultCatalogRelativePath =
    u"/Korvane/Brevalon Sheetwise/KBRVCAT_EN.CAT";
inline constexpr std::u16string_view kDefaultCatalogFileName = u"KBRVCAT_EN.CAT";
// The program's own file name, which the folder rule looks for.
inline constexpr std::u16string_view kExecutableName = u"sheetwise";

// The full path of the running executable.
std::u16string RunningExecutablePath();

// The installation's data folder: <prefix>/share beside <prefix>/bin of the executable, when the
// default catalog lies below it. False otherwise, and the executable's own folder is used.
bool ReadProgramFilesDir(const std::u16string& executablePath, std::u16string& folder);

// The folder of the executable, with its final separator, when the executable is the program
// itself ("sheetwise"); false for any other file name.
bool ExecutableFolder(const std::u16string& executablePath, std::u16string& folder);

}  // namespace sheetwise
