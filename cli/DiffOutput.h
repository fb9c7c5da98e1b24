// The printed forms of a diff between two catalogs, for diff and for the edit commands'
// --dry-run and --json reports.
//
// Text names papers by the positions an operator sees: rows of the paper list counted from 1,
// and sizes by the number a catalog file gives them (1 is the first line of the size-definition
// file). JSON keeps the catalog's own indexes, from 0, as every JSON output does.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/CatalogDiff.h"

namespace sheetwise::cli {

class JsonWriter;

// Which of the three files differ byte for byte (diff --bytes).
struct ByteDiff {
    bool catalog = false;
    bool attributes = false;
    bool sizes = false;

    bool any() const { return catalog || attributes || sizes; }
};

ByteDiff DiffBytes(const PaperCatalog& first, const PaperCatalog& second);

// What differs, one line each ("paper \"Tab\": moved from 3 to 1"); nothing when the same.
void PrintDiffLines(std::ostream& out, const CatalogDiff& diff, const PaperCatalog& first,
                    const PaperCatalog& second, const std::optional<ByteDiff>& bytes);

// "1 added, 0 removed, 2 changed, 0 moved; also the default paper, the colours", or "same".
std::string DiffSummary(const CatalogDiff& diff);

// One diff as a JSON object: "golden" and "file" name the catalogs compared, then "same", the
// counts and what differs (docs/schema/diff.schema.json).
void WriteDiffJson(JsonWriter& json, std::u16string_view golden, std::u16string_view file,
                   const CatalogDiff& diff, const PaperCatalog& first, const PaperCatalog& second,
                   const std::optional<ByteDiff>& bytes, std::u16string_view decimalSeparator);

}  // namespace sheetwise::cli
