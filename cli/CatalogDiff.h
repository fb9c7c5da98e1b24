// What differs between two catalogs as the editor reads them: header text, default paper,
// papers (matched by name), attribute lists and sizes. Bytes do not count: a catalog saved
// narrow and the same catalog saved wide, or with CR LF line ends, are the same.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/PaperCatalog.h"

namespace sheetwise::cli {

using DiffValue = std::variant<int32_t, float, std::u16string>;

// One field of a paper or size, by its JSON key, before and after.
struct FieldChange {
    const char* field;
    DiffValue from;
    DiffValue to;
};

// A paper of both catalogs: its positions, and the stored fields that differ.
struct PaperPair {
    int32_t from;  // index in the first catalog
    int32_t to;    // index in the second
    std::vector<FieldChange> fields;
};

struct ListDiff {
    std::vector<std::u16string> added;    // in the second list's order
    std::vector<std::u16string> removed;  // in the first list's order
    bool reordered = false;               // the values both hold stand in another order

    bool empty() const { return added.empty() && removed.empty() && !reordered; }
};

struct SizeChange {
    int32_t index;
    std::vector<FieldChange> fields;
};

struct CatalogDiff {
    std::optional<std::pair<std::u16string, std::u16string>> header;
    std::optional<std::pair<std::u16string, std::u16string>> defaultName;
    std::vector<int32_t> addedPapers;    // indexes in the second catalog
    std::vector<int32_t> removedPapers;  // indexes in the first catalog
    // Papers whose order relative to the other common papers changed; their positions alone
    // shifting because papers were added or removed is no move.
    std::vector<PaperPair> movedPapers;
    std::vector<PaperPair> changedPapers;
    ListDiff weights;
    ListDiff types;
    ListDiff colours;
    // Papers refer to sizes by their position, so sizes are compared position by position.
    std::vector<int32_t> addedSizes;    // indexes in the second catalog
    std::vector<int32_t> removedSizes;  // indexes in the first catalog
    std::vector<SizeChange> changedSizes;

    bool Same() const;
};

// Papers are matched by name; the n-th paper of a name in one catalog with the n-th of that
// name in the other. The default paper is compared by the name of the paper it is, which is what
// a save writes on the first line.
CatalogDiff DiffCatalogs(const PaperCatalog& first, const PaperCatalog& second);

}  // namespace sheetwise::cli
