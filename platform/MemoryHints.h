// Hints to the kernel about memory the program is about to use. They change no contents and
// may be ignored: nothing breaks on a system that does not know them.
#pragma once

#include <cstddef>

namespace sheetwise {

// Maps in the whole pages of [data, data + bytes) in one call, as the writes that are about to
// fill them would one page fault at a time. Meant for large buffers filled right away (a file's
// bytes, the papers of a catalog of 100,000 lines), where the faults cost as much as the work.
void PrefaultForWriting(void* data, size_t bytes);

}  // namespace sheetwise
