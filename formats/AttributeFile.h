// The attribute file: the weights, types and colours a catalog offers, stored beside the
// catalog file as its full name plus ".atr":
//
//   [PaperWeights]
//   75
//   [PaperTypes]
//   plain
//   [PaperColors]
//   white
//   (one empty line)
#pragma once

#include <cstdint>
#include <string>

#include "formats/PaperDefinition.h"

namespace sheetwise {

class ReadListener;

struct AttributeLists {
    AttributeList& weights;
    AttributeList& types;
    AttributeList& colours;
};

// The attribute file of a catalog path: the catalog's name as the folder lists it, plus ".atr",
// beside the catalog's real file when the catalog is a symbolic link (SymbolicLinks.h).
std::string AttributeFilePath(const std::u16string& catalogPath);

// Appends the file's values to the lists (values before the first known section header, and
// under an unknown one, are skipped). Returns a catalog status: 0, or 1 (empty path), 2 (cannot
// open) or 3 (a line too long to read; the values before it stay).
int32_t ReadAttributeLists(const std::u16string& catalogPath, AttributeLists lists,
                           ReadListener* listener = nullptr);

// The bytes of an attribute file holding the lists, as WriteAttributeLists writes them.
std::string AttributeFileBytes(const AttributeList& weights, const AttributeList& types,
                               const AttributeList& colours);

// Writes the lists, narrow when every value has an exact ANSI form, else UTF-16. The old file is
// replaced only by a complete new one. Returns 0, or 1 (empty path), 2 (cannot create) or
// 8 (a write failed; the old file is untouched).
int32_t WriteAttributeLists(const std::u16string& catalogPath, const AttributeList& weights,
                            const AttributeList& types, const AttributeList& colours);

}  // namespace sheetwise
