#include "model/ValueUsage.h"

#include <unordered_map>

#include "formats/CatalogText.h"
#include "model/CaseInsensitive.h"
#include "model/PaperCatalog.h"
#include "platform/CodePage.h"

namespace sheetwise {
namespace {

int32_t WeightOfValue(const std::u16string& value) {
    return value == u"*" ? 0 : ReadLeadingInteger(value);
}

void Count(ValueUse& use, const std::u16string& name) {
    if (use.first.size() < ValueUse::kNamed)
        use.first.push_back(name);
    ++use.papers;
}

// The papers counted once for each distinct key, then handed to every list entry of that key
// (a list may hold a value twice).
template <class Key, class PaperKey, class EntryKey>
std::vector<ValueUse> UsesByKey(const PaperCatalog& catalog, size_t entries, PaperKey paperKey,
                                EntryKey entryKey) {
    std::unordered_map<Key, ValueUse> byKey;
    for (size_t entry = 0; entry < entries; ++entry)
        byKey.try_emplace(entryKey(entry));
    for (const PaperDefinition& paper : catalog.papers()) {
        const auto found = byKey.find(paperKey(paper));
        if (found != byKey.end())
            Count(found->second, paper.name);
    }
    std::vector<ValueUse> uses;
    uses.reserve(entries);
    for (size_t entry = 0; entry < entries; ++entry)
        uses.push_back(byKey.at(entryKey(entry)));
    return uses;
}

}  // namespace

std::vector<ValueUse> ValueUses(const PaperCatalog& catalog, int32_t kind) {
    const AttributeList& list = catalog.GetAttributeList(kind);
    if (kind == kWeights)
        return UsesByKey<int32_t>(
            catalog, list.size(), [](const PaperDefinition& paper) { return paper.weight; },
            [&list](size_t entry) { return WeightOfValue(list[entry]); });
    const auto text = [kind](const PaperDefinition& paper) -> const std::u16string& {
        return kind == kTypes ? paper.type : paper.colour;
    };
    return UsesByKey<std::u16string>(catalog, list.size(), text,
                                     [&list](size_t entry) { return list[entry]; });
}

ValueUse UseOf(const PaperCatalog& catalog, int32_t kind, const std::u16string& value) {
    const int32_t weight = WeightOfValue(value);
    ValueUse use;
    for (const PaperDefinition& paper : catalog.papers()) {
        const bool uses = kind == kWeights ? paper.weight == weight
                          : kind == kTypes ? paper.type == value
                                           : paper.colour == value;
        if (uses)
            Count(use, paper.name);
    }
    return use;
}

std::vector<ValueUse> SizeUses(const PaperCatalog& catalog, const std::vector<SizeListItem>& items,
                               std::u16string_view decimalSeparator) {
    // A size shows as the item of the first size with its text, ignoring case, as the list is
    // filled.
    std::unordered_map<int32_t, size_t> itemOfFirst;
    for (size_t item = 0; item < items.size(); ++item)
        itemOfFirst.emplace(items[item].sizeIndex, item);
    std::unordered_map<std::u16string, int32_t> firstOfText;
    const std::vector<PaperSize>& sizes = catalog.sizes();
    std::vector<int32_t> itemOfSize(sizes.size(), -1);
    for (size_t size = 0; size < sizes.size(); ++size) {
        const std::u16string text = FoldCase(SizeListText(
            sizes[size].widthText, sizes[size].heightText, sizes[size].unit, decimalSeparator));
        const int32_t first =
            firstOfText.try_emplace(text, static_cast<int32_t>(size)).first->second;
        const auto found = itemOfFirst.find(first);
        if (found != itemOfFirst.end())
            itemOfSize[size] = static_cast<int32_t>(found->second);
    }
    std::vector<ValueUse> uses(items.size());
    for (const PaperDefinition& paper : catalog.papers()) {
        const size_t size = static_cast<size_t>(paper.sizeIndex);
        if (paper.sizeIndex >= 0 && size < itemOfSize.size() && itemOfSize[size] >= 0)
            Count(uses[static_cast<size_t>(itemOfSize[size])], paper.name);
    }
    return uses;
}

std::string UsersText(const ValueUse& use) {
    if (use.papers == 0)
        return "Used by no paper.";
    std::string text = "Used by ";
    for (size_t i = 0; i < use.first.size(); ++i)
        text += (i == 0 ? "" : ", ") + Utf16ToUtf8(use.first[i]);
    if (static_cast<size_t>(use.papers) > use.first.size())
        text += " and " + std::to_string(use.papers - static_cast<int32_t>(use.first.size())) +
                " more papers";
    return text + ".";
}

}  // namespace sheetwise
