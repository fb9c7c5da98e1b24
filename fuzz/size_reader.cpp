// The size-definition reader on any bytes.
#include "FuzzFiles.h"
#include "model/PaperCatalog.h"

using namespace sheetwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::Write("s.DEF", data, size);
    PaperCatalog catalog = PaperCatalog::Unread();
    catalog.ReadSizes(fuzzing::WidePath("s.DEF"));
    PaperSize record;
    for (int32_t i = 0; i < static_cast<int32_t>(catalog.sizes().size()); ++i) {
        catalog.GetSize(i, record);
    }
    return 0;
}
