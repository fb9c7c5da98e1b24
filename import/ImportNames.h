// Paper names of an import made unique.
//
// Colons in names become '_', so "A:B" and "A_B" collide once imported; the import then appends
// a number to the later name. The walk below decides which number, and it is kept exactly as the
// print servers' own import walks it, quirks included (the walk for a free number is not
// restarted, so a collision can remain), so that both produce the same catalog.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/CatalogText.h"

namespace sheetwise {

// The names of the papers accepted so far, in order. An import may hold tens of thousands of
// papers, so "the next paper of this name from position p on" is a hash lookup and a binary
// search rather than a walk over the list.
class PaperNameIndex {
  public:
    static constexpr size_t kNotFound = static_cast<size_t>(-1);

    void Add(const std::u16string& name);
    size_t size() const { return size_; }
    // Position of the first paper at or after from whose name equals name exactly.
    size_t FindFrom(const std::u16string& name, size_t from) const;

  private:
    std::unordered_map<std::u16string, std::vector<size_t>> positions_;
    size_t size_ = 0;
};

// Walks the accepted papers in order. At a paper whose name equals the name, candidates with 1,
// 2, ... (at most 99) are tried in one pass from the first accepted paper, each match moving on
// to the next number; the last candidate becomes the name, and the walk goes on after the paper
// that matched, now comparing with the new name.
std::u16string MakeNameUnique(std::u16string name, const PaperNameIndex& accepted);

}  // namespace sheetwise
