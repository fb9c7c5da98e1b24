// The records a paper catalog is made of.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sheetwise {

// How many sides of a sheet the printer images. The codes are stored in catalog files.
enum ImagedSidesMode : int32_t {
    kInserter = 0,
    kOneSided = 1,
    kTwoSided = 2,
};

// One paper. The defaults are the paper an unreadable catalog falls back to.
struct PaperDefinition {
    std::u16string name = u"Letter";  // at most 32 characters; the key papers are found by
    int32_t sizeIndex = 0;            // into the catalog's sizes; -1 = no valid size
    float width = 8.5f;               // copied from the size
    float height = 11.0f;
    int32_t weight = 75;               // gsm; 0 = any weight ("*")
    std::u16string colour = u"white";  // at most 20 characters, or "*"
    int32_t colourCode = 1;            // position in the built-in colours, 7 when not there
    std::u16string type = u"plain";    // at most 20 characters, or "*"
    int32_t typeCode = 0;              // position in the built-in types, 6 when not there
    int32_t imagedSides = kTwoSided;   // ImagedSidesMode
    int32_t precollated = 0;           // 1 = precollated
    int32_t loadPosition = 0;          // index when read from a file; 0 when added

    bool operator==(const PaperDefinition&) const = default;
};

// Whether two papers hold the same values in a catalog file. The codes, measures and load
// position are worked out again whenever a paper is read or made, each way by its own rule.
inline bool SameStoredValues(const PaperDefinition& a, const PaperDefinition& b) {
    return a.name == b.name && a.sizeIndex == b.sizeIndex && a.weight == b.weight &&
           a.colour == b.colour && a.type == b.type && a.imagedSides == b.imagedSides &&
           a.precollated == b.precollated;
}

// One line of the size-definition file.
struct PaperSize {
    float width = 0;
    float height = 0;
    float third = 0;  // kept as read; nothing uses the third and fourth measures
    float fourth = 0;
    int32_t line = 0;          // 0-based line of the file
    int32_t unit = 0;          // 0 = inches, 1 = millimetres
    std::u16string text;       // display text, the rest of the line after the fifth field
    std::u16string widthText;  // the first two fields exactly as written
    std::u16string heightText;

    bool operator==(const PaperSize&) const = default;
};

// Offered attribute values, in the order they are shown and stored. Duplicates are allowed.
using AttributeList = std::vector<std::u16string>;

// Kinds of attribute list.
enum AttributeKind : int32_t {
    kWeights = 0,
    kTypes = 1,
    kColours = 2,
};

// Why the last load, save or edit of a catalog failed; 0 is success.
enum CatalogStatus : int32_t {
    kStatusOk = 0,
    kStatusPathEmpty = 1,         // size or attribute file: no path
    kStatusCannotOpen = 2,        // size or attribute file cannot be opened or created
    kStatusReadError = 3,         // size or attribute file: a line could not be read
    kStatusSizeFieldMissing = 4,  // a size line lacks one of its first five fields
    kStatusCatalogPathEmpty = 5,
    kStatusCatalogCannotOpen = 6,  // reading, or saving
    kStatusCatalogReadError = 7,   // first line unreadable, or a read error later
    kStatusWriteError = 8,
    kStatusFieldMissing = 11,      // a paper line lacks one of the fields name to type
    kStatusBadCharacter = 12,      // a name, colour or type holds a character not allowed
    kStatusNotFoundOrExists = 13,  // set default: not found; delete, move: index; add: exists
    kStatusNotFoundOrNoSize = 14,  // modify, move: not found; add, modify: size not obtainable
};

}  // namespace sheetwise
