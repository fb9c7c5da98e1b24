// convert: a catalog written again by the editor's own writers, as its Save As writes it.
#include <algorithm>

#include "cli/CatalogCheck.h"
#include "cli/CatalogFiles.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/SaveAs.h"

namespace sheetwise::cli {
namespace {

// A reader that dropped or changed anything (a CR-only catalog reads as one header line) would
// have convert write a catalog that lacks papers, maybe over the catalog itself. So it writes
// only a catalog read without problems, unless told to drop the bad lines; either way check's
// findings say which lines they are.
bool MayWrite(const Invocation& invocation, int32_t status, Console& console) {
    const std::u16string& path = invocation.files.front();
    const std::string target = Utf8(invocation.out);
    if (!PapersReadToEnd(status)) {
        ReportError(console, target + ": not written");
        return false;
    }
    if (status == kStatusOk)
        return true;
    PrintFindingsOf(path, console.err);
    if (invocation.dropBadLines)
        return true;
    ReportError(console, target + ": not written, since " + Utf8(path) +
                             " does not read without problems (see above); --drop-bad-lines "
                             "writes it without the lines the reader drops");
    return false;
}

}  // namespace

int RunConvert(const Invocation& invocation, Console& console) {
    const std::u16string& path = invocation.files.front();
    if (!RequireReadableFile(console, path, "catalog file"))
        return kExitUnusable;
    PaperCatalog catalog = LoadCatalogAsEditor(path);
    ReportCatalogStatus(console, path, catalog.status());
    const int readCode = ExitCodeForStatus(catalog.status());
    if (!MayWrite(invocation, catalog.status(), console))
        return readCode;
    const std::u16string sizeSource = catalog.sizePath();
    const SaveAsResult saved = SaveCatalogAs(catalog, invocation.out, sizeSource);
    return std::max(readCode, ReportSaveAs(console, saved, invocation.out, sizeSource));
}

}  // namespace sheetwise::cli
