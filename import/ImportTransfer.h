// Moving an imported catalog into a catalog (File > Import, and the command-line tool).
//
// The import is built on a fresh copy of the default catalog: its papers and attribute values are
// removed, its sizes stay (an import never adds sizes; it only picks among the catalog's), and
// then the imported papers and values are added through the target (ImportTarget.h). The caller
// owns the order of the steps and the messages; TransferImportedCatalog runs them in File >
// Import's order for callers that have no messages to show in between.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "formats/PaperDefinition.h"
#include "model/SizeList.h"

namespace sheetwise {

class ImportedCatalog;
class ImportTarget;

// Deletes the catalog's papers (always the last one, until none is left), then removes every
// value of the working lists from the catalog's list of its kind (weights, types, colours), empties
// the working lists and refreshes the panels.
void PrepareImportTarget(ImportTarget& target);

// Gives each imported paper the index of the size whose sizes-list text equals the paper's
// imported size text exactly (first item wins). A size text that matches no item, and a size
// number with no entry in the imported sizes list, give size 0. Call once: it replaces the
// papers' size numbers.
void MapImportedSizes(ImportedCatalog& imported, const ImportTarget& target);
// The same against the items of a sizes list.
void MapImportedSizes(ImportedCatalog& imported, const std::vector<SizeListItem>& sizeItems);

// Whether an imported weight, type or colour may enter its list, as AddImportedAttributes
// decides; a weight may be rewritten on the way (a leading number 0 becomes "*").
bool AcceptImportedValue(AttributeKind kind, std::u16string& value);

// Adds the imported papers in order, precollated 0. A paper with an empty name, colour or type, or
// weight -1, and one the catalog refuses (a character outside the permitted set), is rejected; a
// paper whose name the catalog already has is skipped (neither added nor rejected). Returns the
// number added. `rejectedPapers`, when given, receives the index in imported.papers() of each
// rejected paper.
int32_t AddImportedPapers(const ImportedCatalog& imported, ImportTarget& target, int32_t& rejected,
                          std::vector<size_t>* rejectedPapers = nullptr);

// Offers the imported weights, types and colours, in that order, to SelectOrAddListValue. Empty
// values are skipped. Values with a character outside the permitted set are rejected; so are
// weights that hold '*' beside other characters and weights whose leading number is outside
// 60..200 (a leading number 0 turns the weight into "*"). Returns the number of values in the
// import file (all three lists, rejected and skipped ones included). `rejectedValues`, when
// given, receives each rejected value with its kind.
int32_t AddImportedAttributes(
    const ImportedCatalog& imported, ImportTarget& target, int32_t& rejected,
    std::vector<std::pair<AttributeKind, std::u16string>>* rejectedValues = nullptr);

// Makes the imported default paper the catalog's default. On failure the imported catalog's
// default-paper-failed flag is set and false returned.
bool TakeOverDefaultPaper(ImportedCatalog& imported, ImportTarget& target);

struct ImportTransferResult {
    // The imported catalog had failed (the target was not touched), or no paper or no attribute
    // value was added: File > Import then reopens the default catalog.
    bool failed = false;
    int32_t papersAdded = 0;
    int32_t papersRejected = 0;
    int32_t attributeValues = 0;
    int32_t attributesRejected = 0;
    // Each paper refused (its index in imported.papers()) and each value refused, with its kind.
    std::vector<size_t> rejectedPapers;
    std::vector<std::pair<AttributeKind, std::u16string>> rejectedValues;
};

// File > Import's steps after the default catalog is open: unless the imported catalog failed,
// PrepareImportTarget, MapImportedSizes, AddImportedPapers, AddImportedAttributes; unless either
// returned 0, the default-paper takeover and ShowPapers.
ImportTransferResult TransferImportedCatalog(ImportedCatalog& imported, ImportTarget& target);

}  // namespace sheetwise
