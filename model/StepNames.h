// How the Edit menu names a step of the history: "Undo Delete Letter_Cover".
//
// Each kind of step has its own text in the string table ("Delete %s"), so that the words and
// their order can be translated; the step's subject (the paper, the values, the import file)
// takes the place of its "%s".
#pragma once

#include <string>
#include <string_view>

#include "model/EditHistory.h"

namespace sheetwise {

// The menu texts of the Undo and Redo items, with and without a step's name.
namespace menu_text {
inline constexpr int kUndo = 7020;      // "Undo\tCtrl+Z"
inline constexpr int kRedo = 7021;      // "Redo\tCtrl+Y"
inline constexpr int kUndoStep = 7022;  // "Undo %s\tCtrl+Z"
inline constexpr int kRedoStep = 7023;  // "Redo %s\tCtrl+Y"
}  // namespace menu_text

// The string-table id of the text naming a step of this kind ("Delete %s").
int StepTextId(EditAction action);

// A subject longer than this many characters is cut, and ends in "...".
inline constexpr size_t kStepSubjectLength = 40;

// text with its first "%s" replaced by the step's subject.
std::u16string StepName(std::u16string_view text, const EditStep& step);

}  // namespace sheetwise
