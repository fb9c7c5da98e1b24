// The header reader on any bytes.
#include "FuzzFiles.h"
#include "formats/TextLines.h"

using namespace sheetwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::Write("h.cat", data, size);
    std::u16string field;
    int error = 0;
    ReadLeadingField(fuzzing::WidePath("h.cat"), field, error);
    return 0;
}
