// convert: a catalog opened and saved under a name as the editor opens and saves it, on the
// editor's own session: what it writes is what File > Open and Save As in the window write.
#include <algorithm>

#include "cli/CatalogCheck.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ToolPrompts.h"
#include "model/FileProblems.h"

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

int RunConvert(const Invocation& invocation, Console& console, const Environment& environment) {
    const std::u16string& path = invocation.files.front();
    if (!RequireReadableFile(console, path, "catalog file"))
        return kExitUnusable;
    EditingSession session(environment.decimalSeparator);
    const int32_t status = session.Load(path);
    ReportCatalogStatus(console, path, status);
    const int readCode = ExitCodeForStatus(status);
    if (!MayWrite(invocation, status, console))
        return readCode;
    ToolPrompts prompts(console, invocation.force);
    prompts.Give(FileChoice::kSaveCatalogAs, invocation.out);
    if (session.SaveAs(prompts) != SaveResult::kSaved)
        return kExitUnusable;
    return readCode;
}

}  // namespace sheetwise::cli
