#include "ui/resources/MenuTextId.h"

#include <array>
#include <utility>

namespace sheetwise {

namespace {

constexpr std::array<std::pair<int, std::uint16_t>, 23> kMenuTexts{{
    {0, 7018},       // File
    {1, 7019},       // Edit
    {2, 10116},      // Help
    {57601, 7008},   // Open
    {57600, 7004},   // New
    {32773, 7013},   // Import
    {32797, 7012},   // Merge
    {32785, 7005},   // Save
    {32787, 7006},   // Save As
    {32775, 9001},   // Exit
    {57635, 9003},   // Cut
    {57634, 9004},   // Copy
    {57637, 9005},   // Paste
    {1002, 7009},    // Add
    {1004, 7010},    // Modify
    {1003, 7011},    // Delete
    {57643, 7020},   // Undo, before anything is done
    {57644, 7021},   // Redo, the same
    {32795, 7024},   // Rename
    {32796, 7025},   // Duplicate
    {57636, 7026},   // Find
    {57669, 7017},   // Help Topics
    {57664, 10113},  // About
}};

}  // namespace

std::optional<std::uint16_t> MenuTextId(int positionOrCommandId) {
    for (const auto& [key, stringId] : kMenuTexts) {
        if (key == positionOrCommandId) {
            return stringId;
        }
    }
    return std::nullopt;
}

}  // namespace sheetwise
