// Where help comes from: the operator's manual (HTML) when it is installed, otherwise the old
// help file beside the executable, which no help system on Linux can show.
#pragma once

class QWidget;

#include <QList>
#include <QPoint>
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
// ("sheetwise"); otherwise the bare name, looked for in the current folder.
std::u16string HelpFilePath(const std::u16string& executablePath);

// True for a path that names the manual rather than the old help file.
bool IsManual(const QString& helpFile);

// The manual's anchor for a control's pop-up topic.
QString HelpTopicAnchor(int controlId);

// The controls that have a pop-up topic (the labels have none).
std::span<const int> ControlsWithTopics();
bool HasTopic(int controlId);

// The control under a point of the screen: of the visible windows whose rectangle holds the
// point, in template order, the last one narrower or less tall than those before it, so that a
// list box lying on a group frame wins over the frame.
QWidget* NarrowestAt(const QList<QWidget*>& windows, const QPoint& screenPoint);

}  // namespace sheetwise
