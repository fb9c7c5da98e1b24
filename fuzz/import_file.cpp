// The import-file reader and its cleaning on any bytes, and the transfer into a catalog.
#include "FuzzFiles.h"
#include "import/ImportCatalogTarget.h"
#include "import/ImportTransfer.h"
#include "import/ImportedCatalog.h"
#include "model/PaperCatalog.h"

using namespace sheetwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::Write("i.ini", data, size);
    ImportedCatalog imported(fuzzing::WidePath("i.ini"));
    PaperCatalog catalog = PaperCatalog::Unread();
    CatalogImportTarget target(catalog, u".");
    TransferImportedCatalog(imported, target);
    return 0;
}
