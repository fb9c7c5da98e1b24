#include "import/ImportedCatalog.h"

#include <limits>
#include <utility>

#include "formats/CatalogText.h"
#include "import/ImportCleaning.h"
#include "import/ImportNames.h"
#include "import/ImportPaperDefinition.h"
#include "import/ProfileReader.h"

namespace sheetwise {
namespace {

constexpr int32_t kMaxKeyNumber = std::numeric_limits<int32_t>::max();

// The key of entry n: the section name without its last letter, then n in decimal.
std::u16string EntryKey(std::u16string_view section, int32_t n) {
    std::u16string key(section.substr(0, section.size() - 1));
    key += FormatDecimal(n);
    return key;
}

constexpr std::u16string_view kPaperDefinitions = u"PaperDefs";

}  // namespace

struct ImportedCatalog::Section {
    std::u16string_view name;
    std::u16string_view defaultText;
    std::vector<std::u16string> ImportedCatalog::*list;
};

struct ImportedCatalog::PaperReading {
    int32_t key = 0;         // every PaperDef key read, valid or not
    int32_t accepted = 0;    // valid papers
    bool colonSeen = false;  // a colon was replaced in any paper definition so far
    PaperNameIndex names;
};

ImportedCatalog::ImportedCatalog(std::u16string path)
    : ImportedCatalog(path, ProfileReader::FromFile(path)) {}

ImportedCatalog::ImportedCatalog(std::u16string path, const ProfileReader& profile)
    : path_(std::move(path)) {
    ReadAttributeSections(profile);
    ReadPaperDefinitions(profile);
}

void ImportedCatalog::SetPaperSizeIndex(size_t paper, int32_t sizeIndex) {
    if (paper < papers_.size())
        papers_[paper].sizeIndex = sizeIndex;
}

// The sections are read in this order; the first one without a value fails the import and the
// later ones are not read.
void ImportedCatalog::ReadAttributeSections(const ProfileReader& profile) {
    const Section sections[] = {
        {u"PaperSizes", kDefaultImportSize, &ImportedCatalog::sizes_},
        {u"PaperColors", u"*", &ImportedCatalog::colours_},
        {u"PaperWeights", u"*", &ImportedCatalog::weights_},
        {u"PaperTypes", u"*", &ImportedCatalog::types_},
        {u"PaperForced", u"*", &ImportedCatalog::forced_},
    };
    for (const Section& section : sections) {
        if (!ReadAttributeSection(profile, section))
            break;
    }
    CleanWeightsAndSizes();
}

bool ImportedCatalog::ReadAttributeSection(const ProfileReader& profile, const Section& section) {
    std::vector<std::u16string>& list = this->*section.list;
    bool colon = false;
    for (int32_t n = 0; n < kMaxKeyNumber; ++n) {
        std::u16string value = profile.GetString(section.name, EntryKey(section.name, n));
        if (value.empty())
            break;
        const std::u16string asWritten = value;
        if (ReplaceColons(value)) {
            colon = true;
            changed_.push_back({EntryKey(section.name, n), asWritten, value, true});
        }
        if (StartsWithDefaultMarker(value))
            value = section.defaultText;
        list.push_back(std::move(value));
    }
    if (list.empty()) {
        failed_ = true;
        return false;
    }
    colonsReplaced_ = colonsReplaced_ || colon;
    return true;
}

void ImportedCatalog::CleanWeightsAndSizes() {
    for (std::u16string& weight : weights_)
        weight = CleanWeightText(weight);
    for (std::u16string& size : sizes_)
        size = CleanSizeText(size);
}

void ImportedCatalog::ReadPaperDefinitions(const ProfileReader& profile) {
    PaperReading reading;
    for (; reading.key < kMaxKeyNumber; ++reading.key) {
        const std::u16string value =
            profile.GetString(kPaperDefinitions, EntryKey(kPaperDefinitions, reading.key));
        if (value.empty())
            break;
        TakePaperDefinition(reading, value);
    }
    if (reading.key == 0 || reading.accepted == 0) {
        failed_ = true;
    } else if (reading.colonSeen) {
        colonsReplaced_ = true;
    }
}

void ImportedCatalog::TakePaperDefinition(PaperReading& reading, std::u16string_view value) {
    CleanedPaperDefinition cleaned = CleanPaperDefinition(value);
    // The name is made unique while it is cleaned, before the later fields add their colons.
    const bool colonBeforeName = reading.colonSeen || cleaned.nameColonReplaced;
    reading.colonSeen = reading.colonSeen || cleaned.colonReplaced;
    switch (cleaned.result) {
        case PaperDefinitionResult::kAccepted: {
            paperKeys_.push_back(EntryKey(kPaperDefinitions, reading.key));
            const std::u16string asWritten(value.substr(0, value.find(u';')));
            const std::u16string cleanedName = cleaned.paper.name;
            AcceptPaper(reading, std::move(cleaned.paper), colonBeforeName);
            // What the operator is told: colons made "_", and names given a number.
            if (cleaned.colonReplaced || papers_.back().name != cleanedName)
                changed_.push_back(
                    {paperKeys_.back(), asWritten, papers_.back().name, cleaned.colonReplaced});
            return;
        }
        case PaperDefinitionResult::kMissingField:
            missingField_ = true;
            break;
        case PaperDefinitionResult::kInvalidValue:
            invalidValue_ = true;
            break;
        case PaperDefinitionResult::kSkipped:
            return;
    }
    ++invalidPaperCount_;
    dropped_.push_back({EntryKey(kPaperDefinitions, reading.key),
                        std::u16string(value.substr(0, value.find(u';'))),
                        cleaned.result == PaperDefinitionResult::kMissingField});
}

// Only names that a colon or an underscore may have made equal are made unique, and only once
// more than one paper has been accepted: print servers import the same way, and an exact
// duplicate that remains is skipped when the papers enter the catalog.
void ImportedCatalog::AcceptPaper(PaperReading& reading, PaperDefinition paper,
                                  bool colonBeforeName) {
    const bool mayCollide = colonBeforeName || paper.name.find(u'_') != std::u16string::npos;
    if (mayCollide && reading.accepted > 1)
        paper.name = MakeNameUnique(std::move(paper.name), reading.names);
    reading.names.Add(paper.name);
    if (defaultPaperIndex_ == -1) {
        defaultPaperIndex_ = reading.key;
        defaultPaperName_ = paper.name;
    }
    papers_.push_back(std::move(paper));
    ++reading.accepted;
}

}  // namespace sheetwise
