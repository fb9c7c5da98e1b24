// Where the help file lies: beside the executable, under a fixed name.
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

inline constexpr std::u16string_view kHelpFileName = u"sheetwise.hlp";

// The help commands the window asks for: the whole file, and one control's pop-up topic.
inline constexpr int kHelpOpenFile = 9;
inline constexpr int kHelpContextPopup = 8;

// The executable's folder followed by the help file's name, when the executable is the program
// itself (CatalogLocation.h: kExecutableName); otherwise the bare name, which the help system
// looks for in the current folder.
std::u16string HelpFilePath(const std::u16string& executablePath);

}  // namespace sheetwise
