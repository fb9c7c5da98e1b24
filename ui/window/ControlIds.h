// The numeric ids of the window's controls and commands, as the dialog template, the menu and
// the accelerator table name them.
#pragma once

namespace sheetwise {

// Control ids of the main window.
namespace control {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kAdd = 1002;
inline constexpr int kDelete = 1003;
inline constexpr int kModify = 1004;
inline constexpr int kPaperList = 1013;
inline constexpr int kMoveUp = 1014;
inline constexpr int kMoveDown = 1015;
inline constexpr int kColourField = 1016;
inline constexpr int kNameField = 1020;
inline constexpr int kTypeField = 1021;
inline constexpr int kWeightField = 1023;
inline constexpr int kSizeField = 1024;
inline constexpr int kDefaultPaperBox = 1028;
inline constexpr int kInserter = 1030;
inline constexpr int kOneSided = 1031;
inline constexpr int kTwoSided = 1032;
inline constexpr int kColourList = 1039;
inline constexpr int kSizeList = 1040;
inline constexpr int kTypeList = 1041;
inline constexpr int kWeightList = 1042;
inline constexpr int kNameList = 1043;
inline constexpr int kCatalogDisplay = 1053;
inline constexpr int kPrecollatedBox = 1065;
// Controls the window adds to the template: the find field above the paper list, and the paper
// list's column headers (one id per column, from the name's on).
inline constexpr int kFindField = 1070;
inline constexpr int kFirstColumnHeader = 1080;
}  // namespace control

// Command ids of the menu and the accelerators.
namespace command {
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kImport = 32773;
inline constexpr int kSave = 32785;
inline constexpr int kSaveAs = 32787;
inline constexpr int kExit = 32775;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kFind = 57636;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kRename = 32795;
inline constexpr int kDuplicate = 32796;
inline constexpr int kMerge = 32797;
inline constexpr int kHelpTopics = 57669;
inline constexpr int kAbout = 57664;
inline constexpr int kWhatsThis = 100;
}  // namespace command

}  // namespace sheetwise
