// Copying a text into a buffer that the caller owns.
//
// The string operations hand texts out the way older callers expect them: into a buffer of a
// size the caller names, always terminated by a zero unit. The span says how much memory there
// really is, so a size that claims more than that can never make the copy run past the buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

namespace sheetwise {

// Copies as much of `text` as fits into the first `capacity` units of `out` (never more than
// out.size()), followed by a zero unit. Returns the number of text units copied, which is less
// than text.size() when the text was cut. With no room at all nothing is written and 0 returned.
template <typename Char>
std::size_t CopyTerminated(std::basic_string_view<Char> text, std::span<Char> out,
                           std::size_t capacity) {
    const std::size_t room = std::min(capacity, out.size());
    if (room == 0) {
        return 0;
    }
    const std::size_t count = std::min(text.size(), room - 1);
    std::copy_n(text.begin(), count, out.begin());
    out[count] = Char{0};
    return count;
}

}  // namespace sheetwise
