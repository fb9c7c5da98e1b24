// show and export: commands that read a catalog and print it.
#include "cli/CatalogJson.h"
#include "cli/CatalogTable.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/PaperCsv.h"
#include "model/FileProblems.h"

namespace sheetwise::cli {

// Prints the catalog whatever its status, since the status is part of what show tells: even a
// catalog file that cannot be opened gives the catalog the editor would hold, the default paper.
int RunShow(const Invocation& invocation, Console& console, const Environment& environment) {
    const std::u16string& path = invocation.files.front();
    const bool readable = RequireReadableFile(console, path, "catalog file");
    const CatalogDocument document = ReadCatalog(path);
    const PaperCatalog& catalog = document.catalog();
    if (invocation.json) {
        WriteCatalogJson(console.out, catalog, environment.decimalSeparator);
    } else {
        WriteCatalogTable(console.out, catalog, path);
    }
    ReportCatalogStatus(console, path, catalog.status());
    return readable ? ExitCodeForStatus(catalog.status()) : kExitUnusable;
}

// Exports only papers that were read from the file: a catalog whose companions failed holds
// just the stand-in default paper, which a spreadsheet must not take for the catalog's.
int RunExport(const Invocation& invocation, Console& console) {
    const std::u16string& path = invocation.files.front();
    if (!RequireReadableFile(console, path, "catalog file"))
        return kExitUnusable;
    const CatalogDocument document = ReadCatalog(path);
    const PaperCatalog& catalog = document.catalog();
    ReportCatalogStatus(console, path, catalog.status());
    if (!PapersReadToEnd(catalog.status())) {
        ReportError(console, Utf8(path) + ": nothing exported");
        return ExitCodeForStatus(catalog.status());
    }
    if (invocation.format == u"json") {
        WritePapersJson(console.out, catalog.papers());
    } else {
        WritePapersCsv(console.out, catalog.papers(),
                       invocation.rawCsv ? CsvFormulas::kRaw : CsvFormulas::kNeutralise);
    }
    return ExitCodeForStatus(catalog.status());
}

}  // namespace sheetwise::cli
