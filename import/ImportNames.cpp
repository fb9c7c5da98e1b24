#include "import/ImportNames.h"

#include <algorithm>

namespace sheetwise {
namespace {

// One pass over the accepted papers from the first: every paper that carries the current
// candidate moves on to the next number; the pass is not restarted.
std::u16string FreeCandidate(const std::u16string& name, const PaperNameIndex& accepted) {
    int number = 1;
    std::u16string candidate = UniqueNameCandidate(name, number);
    size_t from = 0;
    while (number < kMaxUniqueNameNumber) {
        const size_t match = accepted.FindFrom(candidate, from);
        if (match == PaperNameIndex::kNotFound)
            break;
        candidate = UniqueNameCandidate(name, ++number);
        from = match + 1;
    }
    return candidate;
}

}  // namespace

void PaperNameIndex::Add(const std::u16string& name) {
    positions_[name].push_back(size_++);
}

size_t PaperNameIndex::FindFrom(const std::u16string& name, size_t from) const {
    const auto found = positions_.find(name);
    if (found == positions_.end())
        return kNotFound;
    const std::vector<size_t>& positions = found->second;
    const auto at = std::lower_bound(positions.begin(), positions.end(), from);
    return at == positions.end() ? kNotFound : *at;
}

std::u16string MakeNameUnique(std::u16string name, const PaperNameIndex& accepted) {
    size_t match = accepted.FindFrom(name, 0);
    while (match != PaperNameIndex::kNotFound) {
        name = FreeCandidate(name, accepted);
        match = accepted.FindFrom(name, match + 1);
    }
    return name;
}

}  // namespace sheetwise
