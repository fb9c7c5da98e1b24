// convert: a catalog written again by the editor's own writers, as its Save As writes it.
#include <algorithm>

#include "cli/CatalogFiles.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/SaveAs.h"

namespace sheetwise::cli {

// Writes only a catalog whose files were read to their end: otherwise the papers after a
// damaged line, or all of them, would be lost in the new file. Dropped lines are reported and
// the catalog is written without them, as the editor would.
int RunConvert(const Invocation& invocation, Console& console) {
    const std::u16string& path = invocation.files.front();
    if (!RequireReadableFile(console, path, "catalog file"))
        return kExitUnusable;
    PaperCatalog catalog = LoadCatalogAsEditor(path);
    ReportCatalogStatus(console, path, catalog.status());
    if (!PapersReadToEnd(catalog.status())) {
        ReportError(console, Utf8(invocation.out) + ": not written");
        return ExitCodeForStatus(catalog.status());
    }
    const int readCode = ExitCodeForStatus(catalog.status());
    const std::u16string sizeSource = catalog.sizePath();
    const SaveAsResult saved = SaveCatalogAs(catalog, invocation.out, sizeSource);
    return std::max(readCode, ReportSaveAs(console, saved, invocation.out, sizeSource));
}

}  // namespace sheetwise::cli
