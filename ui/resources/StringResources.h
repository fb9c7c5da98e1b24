// The texts of one resource module: its string table and its named text resources.
//
// The string table is kept the way the lookup reads it, in blocks of sixteen ids: a block exists
// as long as one of its ids has a text, and an id without a text inside an existing block reads
// as an empty text. Named text resources are found by type ("LAB#", "MSG#") and name; they carry
// texts whose ids have no block. Tests copy the program's module and remove ids from it to reach
// the fallbacks that a missing text triggers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sheetwise {

// The number of the block that holds a string id: its upper twelve bits plus one, in 16-bit
// arithmetic. Ids 0..15 are in block 1, 16..31 in block 2, and so on.
std::uint16_t StringBlockNumber(std::uint16_t id);

class StringResources {
  public:
    static constexpr std::size_t kBlockSize = 16;
    using Block = std::array<std::optional<std::u16string>, kBlockSize>;

    // Gives the id a text, creating its block when needed.
    void SetString(std::uint16_t id, std::u16string text);

    // Takes the id's text away. When it was the last text of its block the block goes too, so a
    // lookup of any id of that block fails instead of giving an empty text.
    void RemoveString(std::uint16_t id);

    // Removes the whole block that holds the id.
    void RemoveBlockOf(std::uint16_t id);

    // The block with this number, or nullptr when the module has none.
    const Block* FindBlock(std::uint16_t blockNumber) const;

    // The ids that have a text, ascending.
    std::vector<std::uint16_t> StringIds() const;

    // Named resources. The data is kept as given; readers stop at the first zero unit.
    void SetNamed(std::u16string_view type, std::u16string_view name, std::u16string data);
    const std::u16string* FindNamed(std::u16string_view type, std::u16string_view name) const;

  private:
    using NamedKey = std::pair<std::u16string, std::u16string>;

    std::map<std::uint16_t, Block> blocks_;
    std::map<NamedKey, std::u16string> named_;
};

}  // namespace sheetwise
