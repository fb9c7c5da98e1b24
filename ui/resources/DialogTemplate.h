// A dialog template: the window's size, font and caption and its controls in template order.
//
// The templates are data (resources/dialog); one builder turns a template into widgets. Positions
// are in dialog units, which the builder scales by the dialog font: x by the font's average
// character width / 4, y by its height / 8. Template order is also the tab order. Every control
// keeps its numeric id, by which the program finds it; tests remove controls from a template to
// reach the paths that report a missing control.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

namespace sheetwise {

// The id of controls that nobody looks up (rules, frames, the About box's icon).
inline constexpr int kNoControlId = -1;

enum class ControlKind {
    ListView,     // report view of the papers
    ListBox,      // not sorted: items stay in the order they were added
    Edit,         // single-line edit field
    RadioButton,  // automatic radio button
    CheckBox,     // automatic check box
    PushButton,
    Static,    // static text, left-aligned unless centred
    GroupBox,  // a group frame; five units high it draws a horizontal rule
    Icon,      // a static picture showing an icon resource
    Frame,     // an etched frame around other controls
};

// Style facts of a control, as bits of DialogControl::styles.
enum class ControlStyle : std::uint32_t {
    TabStop = 1u << 0,
    FirstOfGroup = 1u << 1,
    Disabled = 1u << 2,  // disabled at creation
    Border = 1u << 3,
    ReadOnly = 1u << 4,
    AutoHScroll = 1u << 5,        // the text scrolls instead of stopping at the right edge
    DigitsOnly = 1u << 6,         // the keyboard can type nothing but 0..9
    Notify = 1u << 7,             // list box: tells the window about clicks and selection changes
    VScroll = 1u << 8,            // vertical scroll bar
    HScroll = 1u << 9,            // horizontal scroll bar
    DisableNoScroll = 1u << 10,   // scroll bars stay visible, disabled when not needed
    NoIntegralHeight = 1u << 11,  // the list keeps its height even if a row is cut
    ReportView = 1u << 12,
    SingleSelection = 1u << 13,
    ShowSelectionAlways = 1u << 14,  // the selection stays visible without the focus
    Centred = 1u << 15,              // static text centred
    NoWordWrap = 1u << 16,           // static text on one line, cut at the right
    IconImage = 1u << 17,            // push button showing an icon instead of text
    DefaultButton = 1u << 18,        // the button Enter presses
};

// Style facts of the dialog window itself.
enum class DialogStyle : std::uint32_t {
    Caption = 1u << 0,      // caption bar
    SystemMenu = 1u << 1,   // system menu and close box
    MinimizeBox = 1u << 2,  // there is never a maximize box, and no dialog is resizable
    Centred = 1u << 3,      // centred over the owner or the work area when shown
    Modal = 1u << 4,
};

struct DialogControl {
    int id = kNoControlId;
    ControlKind kind = ControlKind::Static;
    QRect rect;  // dialog units
    std::uint32_t styles = 0;
    QString text;     // design-time placeholder; the real label comes from the string table
    int imageId = 0;  // icon resource that an Icon control shows

    bool Has(ControlStyle style) const { return (styles & static_cast<std::uint32_t>(style)) != 0; }
};

struct DialogTemplate {
    int id = 0;
    QSize size;  // dialog units
    QString caption;
    QString fontFace;
    int fontPointSize = 0;
    int menuId = 0;  // 0 when the dialog has no menu bar
    std::uint32_t styles = 0;
    std::vector<DialogControl> controls;

    bool Has(DialogStyle style) const { return (styles & static_cast<std::uint32_t>(style)) != 0; }

    // The first control with the id, or nullptr.
    const DialogControl* Find(int controlId) const;

    // Removes every control with the id; false when there was none.
    bool RemoveControl(int controlId);
};

}  // namespace sheetwise
