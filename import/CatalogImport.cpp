#include "import/CatalogImport.h"

#include "import/ImportCatalogTarget.h"
#include "import/ImportFindings.h"
#include "import/ImportTransfer.h"
#include "import/ImportedCatalog.h"
#include "model/MessageIds.h"

namespace sheetwise {
namespace {

void TellDefaultOpened(SessionPrompts& prompts, const char* fallback) {
    prompts.Tell({message::kError, message::kDefaultOpenedInstead, {}, fallback});
}

}  // namespace

bool ImportCatalogFile(EditingSession& session, SessionPrompts& prompts) {
    if (!session.BeginReplacing(prompts))
        return false;
    const std::optional<std::u16string> chosen =
        prompts.ChooseFile(FileChoice::kImportFile, session.ChoiceFolder());
    if (!chosen)
        return false;
    ImportedCatalog imported(*chosen);
    if (imported.failed()) {
        TellDefaultOpened(prompts, message::kDefaultOpenedCopy);
        session.OpenTemplate(prompts);
        return false;
    }
    // The import is built on a fresh copy of the default catalog, whose sizes it keeps.
    if (!session.OpenTemplate(prompts))
        return false;
    PaperCatalog catalog = session.catalog();
    CatalogImportTarget target(catalog, session.decimalSeparator());
    const ImportTransferResult result = TransferImportedCatalog(imported, target);
    if (result.failed) {
        prompts.Tell({message::kError, message::kImportFailed, {}, {}});
        TellDefaultOpened(prompts, message::kImportDefaultOpenedCopy);
        return false;
    }
    session.TakeImported(std::move(catalog), *chosen);
    ReportImportFindings(imported, result.rejectedPapers, result.rejectedValues, prompts);
    return true;
}

}  // namespace sheetwise
