// The catalog file:
//
//   header text:default paper name
//   name:size number:weight:colour:type:imaged sides:precollated      (one line per paper)
//
// Size numbers are 1-based (0 = no valid size); a weight of 0 is the wildcard "*".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/PaperDefinition.h"
#include "formats/TextLines.h"

namespace sheetwise {

class ReadListener;

// What a catalog file holds. The reader sets the header text once the first line is read, the
// default name only when that line has a ':', and appends the papers; so whatever it does not
// read stays as the caller had it. Colour and type codes are left for the catalog to give.
struct CatalogFileContents {
    std::u16string headerText;
    std::u16string defaultName;
    std::vector<PaperDefinition> papers;
};

struct CatalogReadResult {
    bool readToEnd = false;  // false: no path, the file cannot be opened, or a line is too long
    int32_t status = kStatusOk;
};

// Reads a catalog file, narrow lines decoded or taken byte by byte. Papers refer to `sizes` by
// number; a paper line that lacks a field or holds a character not allowed is skipped (status 11 or
// 12) and reading goes on.
CatalogReadResult ReadCatalogFile(const std::u16string& path, LineReader::Narrow narrow,
                                  const std::vector<PaperSize>& sizes,
                                  CatalogFileContents& contents, ReadListener* listener = nullptr);

// The bytes of a catalog file: narrow in the ANSI code page, or UTF-16 as soon as one name,
// colour, type or the header text has no exact ANSI form. defaultName may be null (no default).
std::string CatalogFileBytes(std::u16string_view headerText, const std::u16string* defaultName,
                             const std::vector<PaperDefinition>& papers, char16_t separator);

// Writes the bytes, replacing the old file only once the new one is complete. Returns 0,
// 6 (an empty path or a file that cannot be created) or 8 (a write failed).
int32_t WriteCatalogFile(const std::u16string& path, const std::string& bytes);

}  // namespace sheetwise
