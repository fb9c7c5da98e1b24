// Where the installation's default catalog lives: the catalog New and Import start from, and
// whose companions a catalog without its own is given.
//
// Installed, it lies in the data folder beside the program's bin folder
// (<prefix>/share/Korvane/Brevalon Sheetwise/KBRVCAT_EN.CAT); in a build tree, beside the program.
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

// The default catalog below the program's data folder, and its file name.
inline constexpr std::u16string_view kDefaultCatalogRelativePath =
    u"/Korvane/Brevalon Sheetwise/KBRVCAT_EN.CAT";
inline constexpr std::u16string_view kDefaultCatalogFileName = u"KBRVCAT_EN.CAT";

// The full path of the running executable.
std::u16string RunningExecutablePath();

// The installation's data folder: <prefix>/share beside <prefix>/bin of the executable, when the
// default catalog lies below it. False otherwise.
bool ReadProgramFilesDir(const std::u16string& executablePath, std::u16string& folder);

// The folder of the executable, with its final separator, when the executable's file name is
// programName ("sheetwise" for the editor); false for any other file name.
bool ExecutableFolder(const std::u16string& executablePath, std::u16string_view programName,
                      std::u16string& folder);

// The default catalog of the program at executablePath, named programName: the installed one
// when it is there with both companions, else KBRVCAT_EN.CAT in the program's own folder (which
// need not exist). Empty when neither rule names one.
std::u16string FindDefaultCatalog(const std::u16string& executablePath,
                                  std::u16string_view programName);

}  // namespace sheetwise
