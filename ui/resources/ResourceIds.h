// The numbers by which the program's built-in resources are named.
#pragma once

namespace sheetwise::resource_id {

inline constexpr int kAboutDialog = 100;
inline constexpr int kMainDialog = 129;
inline constexpr int kMainMenu = 201;
inline constexpr int kMainAccelerators = 201;
inline constexpr int kProgramIcon = 128;
inline constexpr int kMoveUpIcon = 207;
inline constexpr int kMoveDownIcon = 210;

}  // namespace sheetwise::resource_id
