#include "platform/MemoryHints.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace sheetwise {

void PrefaultForWriting(void* data, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    // Below a few pages the call costs more than the faults it saves.
    constexpr size_t kWorthIt = 64 * 1024;
    static const long pageSize = sysconf(_SC_PAGESIZE);
    if (bytes < kWorthIt || pageSize <= 0)
        return;
    const auto page = static_cast<uintptr_t>(pageSize);
    // madvise takes whole pages; the partial pages at either end stay with the ordinary faults.
    const auto start = reinterpret_cast<uintptr_t>(data);
    const uintptr_t first = (start + page - 1) & ~(page - 1);
    const uintptr_t last = (start + bytes) & ~(page - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)bytes;
#endif
}

}  // namespace sheetwise
