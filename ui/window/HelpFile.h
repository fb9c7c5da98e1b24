// Where help comes from: the operator's manual (HTML) when it is installed, otherwise the old
// help file beside the executable, which no help system on Linux can show.
#pragma once

#include <QString>
#include <span>
#include <string>
#include <string_view>

namespace sheetwise {

inline constexpr std::u16string_view kHelpFileName = u"sheetwise.hlp";
inline constexpr std::u16string_view kManualFileName = u"sheetwise.html";

// The help commands the window asks for: the whole file, and one control's pop-up topic.
inline constexpr int kHelpOpenFile = 9;
inline constexpr int kHelpContextPopup = 8;

// The manual in the build tree's help/ folder beside the executable, or in
// <prefix>/share/sheetwise/help/ of an installed program, whichever exists. Without one: the
// executable's folder followed by the help file's name, when the executable is the program itself
// (CatalogLocation.h: kExecutableName); otherwise the bare name, looked for in the current folder.
std::u16string HelpFilePath(const std::u16string& executablePath);

// True for a path that names the manual rather than the old help file.
bool IsManual(const QString& helpFile);

// The manual's anchor for a control's pop-up topic.
QString HelpTopicAnchor(int controlId);

// The controls that have a pop-up topic (the labels have none).
std::span<const int> ControlsWithTopics();

}  // namespace sheetwise
