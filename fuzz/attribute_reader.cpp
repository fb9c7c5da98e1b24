// The attribute-file reader on any bytes, and a write and reread of what it read.
#include <cstdlib>

#include "FuzzFiles.h"
#include "formats/AttributeFile.h"

using namespace sheetwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::Write("a.cat.atr", data, size);
    AttributeList weights, types, colours;
    ReadAttributeLists(fuzzing::WidePath("a.cat"), {weights, types, colours});
    if (WriteAttributeLists(fuzzing::WidePath("b.cat"), weights, types, colours) != 0)
        return 0;
    AttributeList w2, t2, c2;
    ReadAttributeLists(fuzzing::WidePath("b.cat"), {w2, t2, c2});
    // Values are written as they stand, so only one that reads as a header changes on the way.
    if (w2.size() > weights.size() || t2.size() > types.size() || c2.size() > colours.size()) {
        std::abort();
    }
    return 0;
}
