#include "cli/CatalogDiff.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace sheetwise::cli {
namespace {

template <class T>
void CompareField(const char* field, const T& from, const T& to,
                  std::vector<FieldChange>& changes) {
    if (!(from == to))
        changes.push_back({field, DiffValue(from), DiffValue(to)});
}

// The fields a catalog file stores; width, height and the codes follow from them.
std::vector<FieldChange> PaperChanges(const PaperDefinition& a, const PaperDefinition& b) {
    std::vector<FieldChange> changes;
    CompareField("sizeIndex", a.sizeIndex, b.sizeIndex, changes);
    CompareField("weight", a.weight, b.weight, changes);
    CompareField("colour", a.colour, b.colour, changes);
    CompareField("type", a.type, b.type, changes);
    CompareField("imagedSides", a.imagedSides, b.imagedSides, changes);
    CompareField("precollated", a.precollated, b.precollated, changes);
    return changes;
}

// What a size line holds; the line it stands on is not content.
std::vector<FieldChange> SizeChanges(const PaperSize& a, const PaperSize& b) {
    std::vector<FieldChange> changes;
    CompareField("widthText", a.widthText, b.widthText, changes);
    CompareField("heightText", a.heightText, b.heightText, changes);
    CompareField("third", a.third, b.third, changes);
    CompareField("fourth", a.fourth, b.fourth, changes);
    CompareField("unit", a.unit, b.unit, changes);
    CompareField("text", a.text, b.text, changes);
    return changes;
}

// The pairs of papers both catalogs hold, in the first catalog's order; fills added and
// removed with the papers that have no partner.
std::vector<PaperPair> PairPapers(const std::vector<PaperDefinition>& first,
                                  const std::vector<PaperDefinition>& second, CatalogDiff& diff) {
    std::unordered_map<std::u16string_view, std::vector<int32_t>> positions;
    for (size_t i = 0; i < second.size(); ++i)
        positions[second[i].name].push_back(static_cast<int32_t>(i));
    std::unordered_map<std::u16string_view, size_t> taken;
    std::vector<bool> paired(second.size(), false);
    std::vector<PaperPair> pairs;
    for (size_t i = 0; i < first.size(); ++i) {
        const auto found = positions.find(first[i].name);
        const size_t occurrence = taken[first[i].name]++;
        if (found == positions.end() || occurrence >= found->second.size()) {
            diff.removedPapers.push_back(static_cast<int32_t>(i));
            continue;
        }
        const int32_t to = found->second[occurrence];
        paired[static_cast<size_t>(to)] = true;
        pairs.push_back({static_cast<int32_t>(i), to, PaperChanges(first[i], second[to])});
    }
    for (size_t i = 0; i < second.size(); ++i) {
        if (!paired[i])
            diff.addedPapers.push_back(static_cast<int32_t>(i));
    }
    return pairs;
}

// The best run of pairs in order found so far that ends at a pair: longer is better, and among
// runs as long, the one whose papers stand nearer their old places.
struct Run {
    size_t length = 0;
    int64_t distance = 0;  // the sum over its pairs of how far each paper's position moved
    size_t last = SIZE_MAX;

    bool operator<(const Run& other) const {
        return length != other.length ? length < other.length : distance > other.distance;
    }
};

// Marks the pairs that keep their order: the longest run whose second positions increase, so
// that as few papers as possible are called moved. Of the runs as long, the one kept is the one
// whose papers moved least, so that the paper named as moved is the one that was: where a paper
// before it went and another was moved past it, a paper still at its old position is not the one
// that moved. A tree of prefix maxima over the second positions finds it in n log n.
std::vector<bool> KeptInOrder(const std::vector<PaperPair>& pairs, size_t secondCount) {
    std::vector<Run> tree(secondCount + 1);
    std::vector<size_t> before(pairs.size(), SIZE_MAX);
    Run best;
    for (size_t i = 0; i < pairs.size(); ++i) {
        Run run;
        for (size_t at = static_cast<size_t>(pairs[i].to); at > 0; at -= at & (~at + 1))
            run = std::max(run, tree[at]);
        before[i] = run.last;
        run.length += 1;
        run.distance += std::abs(int64_t{pairs[i].to} - pairs[i].from);
        run.last = i;
        for (size_t at = static_cast<size_t>(pairs[i].to) + 1; at <= secondCount;
             at += at & (~at + 1))
            tree[at] = std::max(tree[at], run);
        best = std::max(best, run);
    }
    std::vector<bool> kept(pairs.size(), false);
    for (size_t i = best.last; i != SIZE_MAX; i = before[i])
        kept[i] = true;
    return kept;
}

// The values beyond what the other list holds of them, counting duplicates.
std::vector<std::u16string> Surplus(const AttributeList& list, const AttributeList& other,
                                    std::vector<std::u16string>& common) {
    std::unordered_map<std::u16string_view, size_t> available;
    for (const std::u16string& value : other)
        ++available[value];
    std::vector<std::u16string> surplus;
    for (const std::u16string& value : list) {
        size_t& left = available[value];
        if (left == 0) {
            surplus.push_back(value);
        } else {
            --left;
            common.push_back(value);
        }
    }
    return surplus;
}

ListDiff DiffLists(const AttributeList& first, const AttributeList& second) {
    ListDiff diff;
    std::vector<std::u16string> firstCommon;
    std::vector<std::u16string> secondCommon;
    diff.removed = Surplus(first, second, firstCommon);
    diff.added = Surplus(second, first, secondCommon);
    diff.reordered = firstCommon != secondCommon;
    return diff;
}

void DiffSizes(const std::vector<PaperSize>& first, const std::vector<PaperSize>& second,
               CatalogDiff& diff) {
    const size_t common = std::min(first.size(), second.size());
    for (size_t i = 0; i < common; ++i) {
        std::vector<FieldChange> fields = SizeChanges(first[i], second[i]);
        if (!fields.empty())
            diff.changedSizes.push_back({static_cast<int32_t>(i), std::move(fields)});
    }
    for (size_t i = common; i < second.size(); ++i)
        diff.addedSizes.push_back(static_cast<int32_t>(i));
    for (size_t i = common; i < first.size(); ++i)
        diff.removedSizes.push_back(static_cast<int32_t>(i));
}

template <class T>
std::optional<std::pair<T, T>> Differing(const T& from, const T& to) {
    if (from == to)
        return std::nullopt;
    return std::make_pair(from, to);
}

}  // namespace

bool CatalogDiff::Same() const {
    return !header && !defaultName && addedPapers.empty() && removedPapers.empty() &&
           movedPapers.empty() && changedPapers.empty() && weights.empty() && types.empty() &&
           colours.empty() && addedSizes.empty() && removedSizes.empty() && changedSizes.empty();
}

CatalogDiff DiffCatalogs(const PaperCatalog& first, const PaperCatalog& second) {
    CatalogDiff diff;
    diff.header = Differing(first.headerText(), second.headerText());
    diff.defaultName = Differing(first.GetDefaultPaper(), second.GetDefaultPaper());
    const std::vector<PaperPair> pairs = PairPapers(first.papers(), second.papers(), diff);
    const std::vector<bool> kept = KeptInOrder(pairs, second.papers().size());
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (!kept[i])
            diff.movedPapers.push_back({pairs[i].from, pairs[i].to, {}});
        if (!pairs[i].fields.empty())
            diff.changedPapers.push_back(pairs[i]);
    }
    diff.weights = DiffLists(first.GetAttributeList(kWeights), second.GetAttributeList(kWeights));
    diff.types = DiffLists(first.GetAttributeList(kTypes), second.GetAttributeList(kTypes));
    diff.colours = DiffLists(first.GetAttributeList(kColours), second.GetAttributeList(kColours));
    DiffSizes(first.sizes(), second.sizes(), diff);
    return diff;
}

}  // namespace sheetwise::cli
