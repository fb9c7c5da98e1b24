#include "import/ImportedCatalog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "import/ImportTestSupport.h"
#include "platform/CodePage.h"

namespace sheetwise {
namespace {

using testing::Describe;
using testing::ImportFileWithPapers;
using testing::IniFile;
using testing::IniSection;
using Texts = std::vector<std::u16string>;

// Everything an import gives, in one line: the five lists (each value followed by "|", each
// list by "/"), the papers, the default paper with its key number, the count of invalid papers
// and the flags that are set.
std::string Summary(const ImportedCatalog& imported) {
    std::string text;
    for (const Texts* list : {&imported.sizes(), &imported.colours(), &imported.weights(),
                              &imported.types(), &imported.forced()}) {
        for (const std::u16string& value : *list)
            text += Utf16ToUtf8(value) + "|";
        text += "/";
    }
    return text + " " + Describe(imported.papers()) + Utf16ToUtf8(imported.defaultPaperName()) +
           "@" + std::to_string(imported.defaultPaperIndex()) + " invalid " +
           std::to_string(imported.invalidPaperCount()) + (imported.failed() ? " failed" : "") +
           (imported.colonsReplaced() ? " colons" : "") +
           (imported.invalidValue() ? " invalid-value" : "") +
           (imported.missingField() ? " missing-field" : "");
}

class ImportedCatalogTest : public testing::ImportTest {
  protected:
    ImportedCatalog Import(const std::string& bytes) { return ImportedCatalog(WriteImport(bytes)); }

    // The names the papers of an import file with these definitions end up with.
    Texts Names(std::initializer_list<std::string> definitions) {
        const ImportedCatalog imported = Import(ImportFileWithPapers(definitions));
        Texts names;
        for (const PaperDefinition& paper : imported.papers())
            names.push_back(paper.name);
        return names;
    }
};

// Sections run from key 0 to the first empty or missing key; "<<" is the section's default.
TEST_F(ImportedCatalogTest, ReadsThePathAsGivenSectionsToTheirFirstGapAndFailsAtAnEmptyOne) {
    const ImportedCatalog imported = Import(
        IniFile({"[PaperSizes]", "PaperSize0=<<", "PaperSize1=A3 297 x 420 mm", "PaperSize3=A5"}) +
        IniSection("PaperColors", "PaperColor", {"<<x", "", "blue"}) +
        IniSection("PaperWeights", "PaperWeight", {"<<"}) +
        IniSection("PaperTypes", "PaperType", {"<<"}) +
        IniSection("PaperForced", "PaperForce", {"<<"}) +
        IniFile(
            {"[PaperDefs]", "PaperDef0=A;0;white;75;plain;0", "PaperDef2=B;0;white;75;plain;0"}));
    EXPECT_EQ(Summary(imported),
              "8.5 x 11\"|297 x 420 mm|/*|/*|/*|/*|/ A;0;white;75;plain;2;0 A@0 invalid 0");
    // The first section without a value fails the import, and the later ones are not read.
    const auto without = [](std::string bytes, const char* section, const char* next) {
        const size_t at = bytes.find(section);
        return bytes.erase(at, bytes.find(next) - at);
    };
    const std::string file = ImportFileWithPapers({"A;0;white;75;plain;0"});
    const ImportedCatalog noForced = Import(without(file, "[PaperForced]", "[PaperDefs]"));
    // The papers are read whatever the sections gave, and weights and sizes are still cleaned.
    EXPECT_EQ(Summary(noForced),
              "8.5 x 11\"|210 x 297 mm|/white|/75|/plain|// "
              "A;0;white;75;plain;2;0 A@0 invalid 0 failed");
    const ImportedCatalog noColours = Import(without(file, "[PaperColors]", "[PaperWeights]"));
    EXPECT_EQ(Summary(noColours),
              "8.5 x 11\"|210 x 297 mm|///// A;0;white;75;plain;2;0 A@0 invalid 0 failed");
    EXPECT_TRUE(Import(ImportFileWithPapers({})).failed());
    EXPECT_TRUE(Import(ImportFileWithPapers({"*;0;white;75;plain;0", "B;0;;75;plain;0"})).failed());
    // The path goes to the reader unchanged: a folder the ANSI code page cannot spell and a file
    // name in another letter case.
    const std::string folder = dir.File("\xE6\x97\xA5\xE6\x9C\xAC \xD0\x9F");
    std::filesystem::create_directory(folder);
    testing::WriteBytes(folder + "/Example.INI", testing::ExampleImportFile());
    const std::u16string path = Utf8ToUtf16(folder) + u"/example.ini";
    const ImportedCatalog example(path);
    EXPECT_EQ(example.path(), path);
    EXPECT_EQ(Summary(example),
              "8.5 x 11\"|210 x 297 mm|/white|/75|/plain|/*|/ "
              "Office;0;white;75;plain;2;0 DraftA4;1;*;0;plain;1;0 Office@0 invalid 0");
}

TEST_F(ImportedCatalogTest, CountsAndFlagsRejectedPapersAndReplacedColons) {
    const ImportedCatalog imported = Import(ImportFileWithPapers({
        "Missing;0;white;75;plain",   // 0: five fields
        "Star;x;white;75;plain;0",    // 1: size number not all digits
        "*;0;white;75;plain;0",       // 2: skipped, not counted
        "Light;0;white;59;plain;0",   // 3: weight out of range
        "Low;0;white;60;plain;3",     // 4: the first valid paper
        "<<;0;white;75;plain;0",      // 5: skipped
        "Seven;0;white;*;plain;1;x",  // 6
    }));
    const std::string lists = "8.5 x 11\"|210 x 297 mm|/white|/75|/plain|/*|/ ";
    EXPECT_EQ(Summary(imported), lists +
                                     "Low;0;white;60;plain;2;0 Seven;0;white;0;plain;1;0 "
                                     "Low@4 invalid 3 invalid-value missing-field");
    EXPECT_EQ(Summary(Import(ImportFileWithPapers({"A;0;white;75;plain;0", ";"}))),
              lists + "A;0;white;75;plain;2;0 A@0 invalid 1 missing-field");
    const ImportedCatalog attributes = Import(
        IniFile({"[PaperSizes]", "PaperSize0=A4", "[PaperColors]",
                 "PaperColor0=" + std::string(300, 'c') + ":", "[PaperWeights]", "PaperWeight0=75",
                 "[PaperTypes]", "PaperType0=pl:ain", "[PaperForced]", "PaperForce0=*"}) +
        IniSection("PaperDefs", "PaperDef", {"A;0;white;75;plain;0"}));
    EXPECT_EQ(Summary(attributes),
              "4\"|/" + std::string(300, 'c') +
                  "_|/75|/pl_ain|/*|/ A;0;white;75;plain;2;0 A@0 invalid 0 colons");
    // Also the colons of a definition that is then rejected are reported.
    EXPECT_TRUE(Import(ImportFileWithPapers({"A;0;white;75;plain;0", "B:1;x;white;75;plain;0"}))
                    .colonsReplaced());
}

// Only names that a colon or an underscore may have made equal are made unique, and only once
// two papers have been accepted; an exact duplicate that remains is skipped by the catalog later.
TEST_F(ImportedCatalogTest, NamesAreMadeUniqueOnlyAfterTwoPapers) {
    const std::string p = ";0;white;75;plain;0";
    EXPECT_EQ(Names({"A:B" + p, "A_B" + p}), (Texts{u"A_B", u"A_B"}));
    EXPECT_EQ(Names({"X" + p, "A_B" + p, "A_B" + p}), (Texts{u"X", u"A_B", u"A_B1"}));
    EXPECT_EQ(Names({"X" + p, "AB" + p, "AB" + p}), (Texts{u"X", u"AB", u"AB"}));
    // A colon in any earlier definition, even a rejected one, counts for the later names; a
    // colon in a later field of the same definition comes after its name was made unique.
    EXPECT_EQ(Names({"X" + p, "AB" + p, "Bad:1;0;white;59;plain;0", "AB" + p}),
              (Texts{u"X", u"AB", u"AB1"}));
    EXPECT_EQ(Names({"X" + p, "AB" + p, "AB;0;wh:ite;75;plain;0"}), (Texts{u"X", u"AB", u"AB"}));
    // Rejected and skipped papers are not counted.
    EXPECT_EQ(Names({"X;x;white;75;plain;0", "*" + p, "A_B" + p, "A_B" + p}),
              (Texts{u"A_B", u"A_B"}));
}

}  // namespace
}  // namespace sheetwise
