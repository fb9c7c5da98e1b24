// One change asked of a catalog, from the command line (modify NAME --weight 90) or from an edit
// script: in the terms of the editor's panel, which paper and which values typed, so that it is
// made on the editing session exactly as an operator would make it in the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sheetwise::cli {

enum class EditKind {
    kAdd,
    kModify,
    kRename,
    kDelete,
    kMove,
    kSetDefault,
    kAddValue,
    kDeleteValue,
};

// The values typed or chosen in the panel's fields; a field not given keeps what it shows.
struct FieldValues {
    // A size number as the catalog file writes it (1 is the first size of the size-definition
    // file), or a size's text as the sizes list shows it or as the size file names it.
    std::optional<std::u16string> size;
    std::optional<std::u16string> weight;  // a whole number of gsm, or "*"
    std::optional<std::u16string> colour;
    std::optional<std::u16string> type;
    std::optional<int32_t> sides;  // 0 Inserter, 1 1-Sided, 2 1, 2-Sided
    std::optional<bool> precollated;

    bool any() const { return size || weight || colour || type || sides || precollated; }
};

struct CatalogEdit {
    EditKind kind = EditKind::kModify;
    std::u16string name;     // the paper (rename: its name now)
    std::u16string newName;  // rename
    FieldValues fields;      // add, modify
    int32_t step = 0;        // move: -1 up, +1 down; 0: to `position`
    int32_t position = 0;    // move: the place to go to, 1 being the first paper
    int32_t valueKind = 0;   // add-value, delete-value: kWeights, kTypes or kColours
    std::u16string value;    // add-value, delete-value
};

// "add", "modify", ..., as the command line and edit scripts name the edits.
const char* EditKindName(EditKind kind);
std::optional<EditKind> FindEditKind(std::u16string_view name);
// Every edit's name, in the order help lists them.
std::vector<std::string> EditKindNames();

// "colour", "type", "weight": the lists add-value and delete-value work on (kColours, ...).
std::optional<int32_t> FindValueKind(std::u16string_view name);
const char* ValueKindName(int32_t kind);

// Whether a text is a weight as typed: a whole number of gsm, or "*".
bool IsWeightText(std::u16string_view text);

// For messages: `modify "Letter"`, `rename "A" to "B"`, `add-value colour "ivory"`.
std::string DescribeEdit(const CatalogEdit& edit);

}  // namespace sheetwise::cli
