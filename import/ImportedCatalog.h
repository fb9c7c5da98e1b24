// A catalog read from an import file (".ini"), before it enters the window's catalog.
//
// An import file names the permitted sizes, colours, weights and types and a list of papers:
//
//   [PaperSizes]    PaperSize0=Letter 8.5 x 11 in      PaperSize1=A4 210.0 x 297.0 mm
//   [PaperColors]   PaperColor0=white
//   [PaperWeights]  PaperWeight0=75 gsm
//   [PaperTypes]    PaperType0=plain
//   [PaperForced]   PaperForce0=*
//   [PaperDefs]     PaperDef0=Office;0;white;75;plain;0
//
// Each section is a run of keys numbered from 0 (the section name without its last letter, then
// the number); the first empty or missing key ends it. A value starting with "<<" stands for the
// section's default. Everything is read and cleaned by the constructor; afterwards the import
// operations (ImportTransfer.h) move the result into a catalog and only the default-paper flag
// and the papers' size indexes change.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/PaperDefinition.h"

namespace sheetwise {

class ProfileReader;

class ImportedCatalog {
  public:
    // Reads the import file. The path goes to the profile reader unchanged, so files in folders
    // whose names the ANSI code page cannot spell are read as well. A missing or unreadable file
    // reads as empty: the import has failed.
    explicit ImportedCatalog(std::u16string path);
    // Reads from a profile already in memory; path is only recorded.
    ImportedCatalog(std::u16string path, const ProfileReader& profile);

    // The attribute sections' values in key order, duplicates kept. Weights are cut to their
    // number, sizes are dimension texts as the sizes list shows them (ImportCleaning.h).
    const std::vector<std::u16string>& weights() const { return weights_; }
    const std::vector<std::u16string>& types() const { return types_; }
    const std::vector<std::u16string>& colours() const { return colours_; }
    const std::vector<std::u16string>& sizes() const { return sizes_; }
    // Read and kept; nothing uses it, but an empty section fails the import.
    const std::vector<std::u16string>& forced() const { return forced_; }

    // A paper definition that was dropped, by its key ("PaperDef3") and the name it gave, and
    // why: a field left empty, or a value that is no size number or no weight in range.
    struct DroppedDefinition {
        std::u16string key;
        std::u16string name;
        bool missingField = false;
    };
    // The definitions dropped for an invalid value or a missing field, in file order.
    const std::vector<DroppedDefinition>& droppedDefinitions() const { return dropped_; }
    // A value the import took otherwise than the file gives it in a way the operator is told of:
    // a colon made "_" (in an attribute value or a paper definition), or a paper name given a
    // number because it was taken.
    struct ChangedValue {
        std::u16string key;     // "PaperColor2", "PaperDef5"
        std::u16string before;  // the value, or the paper's name, as the file gives it
        std::u16string after;   // as taken (for a paper: its name)
        bool colon = false;     // a colon was made "_" (for a paper: in any of its fields)
    };
    const std::vector<ChangedValue>& changedValues() const { return changed_; }

    // The key of each paper of papers(), so that a paper the catalog refuses can be named.
    const std::vector<std::u16string>& paperKeys() const { return paperKeys_; }

    // The first valid paper, which becomes the catalog's default paper.
    const std::u16string& defaultPaperName() const { return defaultPaperName_; }
    const std::vector<PaperDefinition>& papers() const { return papers_; }

    // An attribute section without a value, no paper definition, or no valid one.
    bool failed() const { return failed_; }
    // Some value had ':' changed to '_'.
    bool colonsReplaced() const { return colonsReplaced_; }
    // A paper was dropped for a size number that is not all digits or a weight out of range.
    bool invalidValue() const { return invalidValue_; }
    // A paper was dropped for an empty required field.
    bool missingField() const { return missingField_; }
    // The default paper could not be made the catalog's default (set by the takeover).
    bool defaultPaperFailed() const { return defaultPaperFailed_; }
    // Papers dropped for an invalid value or a missing field.
    int32_t invalidPaperCount() const { return invalidPaperCount_; }
    const std::u16string& path() const { return path_; }
    // The key number of the first valid paper definition; -1 when there is none.
    int32_t defaultPaperIndex() const { return defaultPaperIndex_; }

    void SetDefaultPaperFailed() { defaultPaperFailed_ = true; }
    // Replaces a paper's size number by a size index of the target catalog (MapImportedSizes).
    void SetPaperSizeIndex(size_t paper, int32_t sizeIndex);

  private:
    struct Section;
    struct PaperReading;

    void ReadAttributeSections(const ProfileReader& profile);
    bool ReadAttributeSection(const ProfileReader& profile, const Section& section);
    void CleanWeightsAndSizes();
    void ReadPaperDefinitions(const ProfileReader& profile);
    void TakePaperDefinition(PaperReading& reading, std::u16string_view value);
    void AcceptPaper(PaperReading& reading, PaperDefinition paper, bool colonBeforeName);

    std::vector<std::u16string> weights_;
    std::vector<std::u16string> types_;
    std::vector<std::u16string> colours_;
    std::vector<std::u16string> sizes_;
    std::vector<std::u16string> forced_;
    std::u16string defaultPaperName_;
    std::vector<PaperDefinition> papers_;
    std::vector<std::u16string> paperKeys_;
    std::vector<DroppedDefinition> dropped_;
    std::vector<ChangedValue> changed_;
    bool failed_ = false;
    bool colonsReplaced_ = false;
    bool invalidValue_ = false;
    bool missingField_ = false;
    bool defaultPaperFailed_ = false;
    int32_t invalidPaperCount_ = 0;
    std::u16string path_;
    int32_t defaultPaperIndex_ = -1;
};

}  // namespace sheetwise
