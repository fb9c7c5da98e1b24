// Import files and a base catalog written into a temporary folder for the import tests.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "formats/TextLines.h"
#include "model/PaperCatalog.h"
#include "support/TempDir.h"

namespace sheetwise::testing {

// The base catalog's sizes, as their list texts show them with ".":
//   0 8.5 x 11"   1 8.5 x 14"   2 210 x 297 mm   3 (same text as 2, not listed)
//   4 297 x 420 mm   5 12 x 18 (unit 2: no suffix)   6 210 x 297 MM (differs only in case)
inline constexpr const char* kImportBaseSizes =
    "8.5:11:0:0:0:Letter 8.5 x 11 in\n"
    "8.5:14:0:0:0:Legal 8.5 x 14 in\n"
    "210:297:0:0:1:A4 210 x 297 mm\n"
    "210:297:0:0:1:A4 once more\n"
    "297:420:0:0:1:A3 297 x 420 mm\n"
    "12:18:0:0:2:odd unit\n"
    "210:297 MM:0:0:2:upper case\n";

inline constexpr const char* kImportBaseAttributes =
    "[PaperWeights]\n*\n75\n160\n[PaperTypes]\n*\nplain\ncover\n[PaperColors]\n*\nwhite\nblue\n"
    "ivory\n";

inline constexpr const char* kImportBaseCatalog =
    "Base:Letter\nLetter:1:75:white:plain:2:0\nA4_Cover:3:160:blue:cover:1:1\n"
    "Odd:1:90:pink:glossy:2:0\n";

// An import file in the ANSI code page: the lines joined with CR LF.
inline std::string IniFile(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// "[Section]" and its entries Key0=..., Key1=..., in the form IniFile writes.
inline std::string IniSection(const std::string& section, const std::string& key,
                              std::initializer_list<std::string> values) {
    std::string bytes = "[" + section + "]\r\n";
    int n = 0;
    for (const std::string& value : values)
        bytes += key + std::to_string(n++) + "=" + value + "\r\n";
    return bytes;
}

// The attribute sections with one value each (and these sizes), then the paper definitions.
inline std::string ImportFileWithPapers(std::initializer_list<std::string> definitions,
                                        std::initializer_list<std::string> sizes = {
                                            "Letter 8.5 x 11 in", "A4 210.0 x 297.0 mm"}) {
    return IniSection("PaperSizes", "PaperSize", sizes) +
           IniFile({"[PaperColors]", "PaperColor0=white", "[PaperWeights]", "PaperWeight0=75 gsm",
                    "[PaperTypes]", "PaperType0=plain", "[PaperForced]", "PaperForce0=*"}) +
           IniSection("PaperDefs", "PaperDef", definitions);
}

// The example import file: two sizes, one value each, Office and Draft A4.
inline std::string ExampleImportFile() {
    return ImportFileWithPapers({"Office;0;white;75;plain;0", "Draft A4;1;<<;*;plain;1"});
}

// A paper as "name;size;colour;weight;type;imaged sides;precollated", to compare in one line.
inline std::string Describe(const PaperDefinition& paper) {
    return Utf16ToUtf8(paper.name) + ";" + std::to_string(paper.sizeIndex) + ";" +
           Utf16ToUtf8(paper.colour) + ";" + std::to_string(paper.weight) + ";" +
           Utf16ToUtf8(paper.type) + ";" + std::to_string(paper.imagedSides) + ";" +
           std::to_string(paper.precollated);
}

template <typename Papers>
std::string Describe(const Papers& papers) {
    std::string text;
    for (const PaperDefinition& paper : papers)
        text += Describe(paper) + " ";
    return text;
}

class ImportTest : public ::testing::Test {
  protected:
    // Set before anything of a derived fixture is built, since that may already read files.
    ImportTest() { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }

    std::u16string WriteImport(const std::string& bytes) {
        WriteBytes(dir.File("import.ini"), bytes);
        return dir.Wide("import.ini");
    }

    // The catalog an import is built on, loaded the way the editor loads one.
    PaperCatalog LoadBaseCatalog() {
        WriteBytes(dir.File("base.cat"), kImportBaseCatalog);
        WriteBytes(dir.File("base.DEF"), kImportBaseSizes);
        WriteBytes(dir.File("base.cat.atr"), kImportBaseAttributes);
        std::u16string header;
        int error = 0;
        ReadLeadingField(dir.Wide("base.cat"), header, error);
        PaperCatalog catalog(header, dir.Wide("base.cat"), kBuiltInColours, kBuiltInTypes, u':');
        EXPECT_EQ(catalog.status(), kStatusOk);
        return catalog;
    }

    TempDir dir;
};

}  // namespace sheetwise::testing
