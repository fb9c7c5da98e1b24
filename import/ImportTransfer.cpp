#include "import/ImportTransfer.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "formats/CatalogText.h"
#include "formats/CharacterCheck.h"
#include "import/ImportTarget.h"
#include "import/ImportedCatalog.h"
#include "model/PaperCatalog.h"
#include "model/WeightRange.h"

namespace sheetwise {
namespace {

constexpr AttributeKind kKindsInOrder[] = {kWeights, kTypes, kColours};

// Size index of the first sizes-list item of each text.
std::unordered_map<std::u16string, int32_t> SizeIndexByText(
    const std::vector<SizeListItem>& items) {
    std::unordered_map<std::u16string, int32_t> byText;
    for (const SizeListItem& item : items)
        byText.try_emplace(item.text, item.sizeIndex);
    return byText;
}

// A weight value as it may enter the weights list, or false when it is rejected.
bool AcceptImportedWeight(std::u16string& value) {
    if (!PassesCharacterCheck(value))
        return false;
    if (value == u"*")
        return true;
    if (value.find(u'*') != std::u16string::npos)
        return false;
    const int32_t weight = ReadLeadingInteger(value);
    if (weight == 0) {
        value.assign(1, u'*');
        return true;
    }
    return IsWeightInRange(weight);
}

const std::vector<std::u16string>& ImportedValues(const ImportedCatalog& imported,
                                                  AttributeKind kind) {
    return kind == kWeights ? imported.weights()
           : kind == kTypes ? imported.types()
                            : imported.colours();
}

}  // namespace

bool AcceptImportedValue(AttributeKind kind, std::u16string& value) {
    return kind == kWeights ? AcceptImportedWeight(value) : PassesCharacterCheck(value);
}

void PrepareImportTarget(ImportTarget& target) {
    PaperCatalog& catalog = target.catalog();
    // Always the last paper, so that nothing moves up while the catalog empties.
    while (catalog.PaperCount() > 0) {
        if (!catalog.DeletePaper(catalog.PaperCount() - 1))
            break;
    }
    for (const AttributeKind kind : kKindsInOrder) {
        for (const std::u16string& value : target.WorkingList(kind))
            catalog.DeleteAttribute(kind, value);
    }
    target.ClearWorkingLists();
    target.RefreshPanels();
}

void MapImportedSizes(ImportedCatalog& imported, const ImportTarget& target) {
    MapImportedSizes(imported, target.SizeListItems());
}

void MapImportedSizes(ImportedCatalog& imported, const std::vector<SizeListItem>& sizeItems) {
    const auto byText = SizeIndexByText(sizeItems);
    const std::vector<std::u16string>& sizes = imported.sizes();
    for (size_t i = 0; i < imported.papers().size(); ++i) {
        const int32_t number = imported.papers()[i].sizeIndex;
        int32_t index = 0;
        if (number >= 0 && static_cast<size_t>(number) < sizes.size()) {
            const auto found = byText.find(sizes[static_cast<size_t>(number)]);
            if (found != byText.end())
                index = found->second;
        }
        imported.SetPaperSizeIndex(i, index);
    }
}

int32_t AddImportedPapers(const ImportedCatalog& imported, ImportTarget& target, int32_t& rejected,
                          std::vector<size_t>* rejectedPapers) {
    PaperCatalog& catalog = target.catalog();
    // Names already in the catalog, so that the check before each add is not a walk.
    std::unordered_set<std::u16string> present;
    for (const PaperDefinition& paper : catalog.papers())
        present.insert(paper.name);
    int32_t added = 0;
    rejected = 0;
    for (size_t i = 0; i < imported.papers().size(); ++i) {
        const PaperDefinition& paper = imported.papers()[i];
        bool refused =
            paper.name.empty() || paper.colour.empty() || paper.type.empty() || paper.weight == -1;
        if (!refused && present.count(paper.name) == 0) {
            refused = !catalog.AddPaper(paper.name, paper.sizeIndex, paper.colour, paper.weight,
                                        paper.type, paper.imagedSides, 0);
            if (!refused) {
                present.insert(catalog.papers().back().name);
                ++added;
            }
        }
        if (refused) {
            ++rejected;
            if (rejectedPapers != nullptr)
                rejectedPapers->push_back(i);
        }
    }
    return added;
}

int32_t AddImportedAttributes(
    const ImportedCatalog& imported, ImportTarget& target, int32_t& rejected,
    std::vector<std::pair<AttributeKind, std::u16string>>* rejectedValues) {
    size_t total = 0;
    rejected = 0;
    for (const AttributeKind kind : kKindsInOrder) {
        for (const std::u16string& original : ImportedValues(imported, kind)) {
            std::u16string value = original;
            ++total;
            if (value.empty())
                continue;
            if (AcceptImportedValue(kind, value)) {
                target.SelectOrAddListValue(kind, value);
            } else {
                ++rejected;
                if (rejectedValues != nullptr)
                    rejectedValues->emplace_back(kind, original);
            }
        }
    }
    return static_cast<int32_t>(std::min<size_t>(total, INT32_MAX));
}

bool TakeOverDefaultPaper(ImportedCatalog& imported, ImportTarget& target) {
    if (target.catalog().SetDefaultPaper(imported.defaultPaperName()))
        return true;
    imported.SetDefaultPaperFailed();
    return false;
}

ImportTransferResult TransferImportedCatalog(ImportedCatalog& imported, ImportTarget& target) {
    ImportTransferResult result;
    if (imported.failed()) {
        result.failed = true;
        return result;
    }
    PrepareImportTarget(target);
    MapImportedSizes(imported, target);
    result.papersAdded =
        AddImportedPapers(imported, target, result.papersRejected, &result.rejectedPapers);
    result.attributeValues =
        AddImportedAttributes(imported, target, result.attributesRejected, &result.rejectedValues);
    if (result.papersAdded == 0 || result.attributeValues == 0) {
        result.failed = true;
        return result;
    }
    TakeOverDefaultPaper(imported, target);
    target.ShowPapers();
    return result;
}

}  // namespace sheetwise
