#include "ui/resources/StringResources.h"

#include <algorithm>

namespace sheetwise {

std::uint16_t StringBlockNumber(std::uint16_t id) {
    return static_cast<std::uint16_t>((id >> 4) + 1);
}

namespace {

std::size_t SlotOf(std::uint16_t id) {
    return id & (StringResources::kBlockSize - 1);
}

bool IsEmptyBlock(const StringResources::Block& block) {
    return std::none_of(block.begin(), block.end(), [](const auto& text) { return text; });
}

}  // namespace

void StringResources::SetString(std::uint16_t id, std::u16string text) {
    blocks_[StringBlockNumber(id)][SlotOf(id)] = std::move(text);
}

void StringResources::RemoveString(std::uint16_t id) {
    auto found = blocks_.find(StringBlockNumber(id));
    if (found == blocks_.end()) {
        return;
    }
    found->second[SlotOf(id)].reset();
    if (IsEmptyBlock(found->second)) {
        blocks_.erase(found);
    }
}

void StringResources::RemoveBlockOf(std::uint16_t id) {
    blocks_.erase(StringBlockNumber(id));
}

const StringResources::Block* StringResources::FindBlock(std::uint16_t blockNumber) const {
    auto found = blocks_.find(blockNumber);
    return found == blocks_.end() ? nullptr : &found->second;
}

std::vector<std::uint16_t> StringResources::StringIds() const {
    std::vector<std::uint16_t> ids;
    for (const auto& [number, block] : blocks_) {
        for (std::size_t slot = 0; slot < kBlockSize; ++slot) {
            if (block[slot]) {
                ids.push_back(static_cast<std::uint16_t>((number - 1) * kBlockSize + slot));
            }
        }
    }
    return ids;
}

void StringResources::SetNamed(std::u16string_view type, std::u16string_view name,
                               std::u16string data) {
    named_[NamedKey(type, name)] = std::move(data);
}

const std::u16string* StringResources::FindNamed(std::u16string_view type,
                                                 std::u16string_view name) const {
    auto found = named_.find(NamedKey(type, name));
    return found == named_.end() ? nullptr : &found->second;
}

}  // namespace sheetwise
