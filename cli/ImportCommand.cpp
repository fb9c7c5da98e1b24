// import: an import file (".ini") read and cleaned, and, with --out, moved into a copy of a base
// catalog and saved, the way File > Import followed by Save As does it in the editor.
#include <filesystem>
#include <string>

#include "cli/CatalogCheck.h"
#include "cli/CatalogFiles.h"
#include "cli/CatalogJson.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/SaveAs.h"
#include "import/ImportCatalogTarget.h"
#include "import/ImportTransfer.h"
#include "import/ImportedCatalog.h"
#include "import/ProfileReader.h"
#include "model/WeightRange.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

constexpr const char* kInvalidAttributes =
    "Add operation cannot be completed because invalid paper attributes entered.";

bool RequireImportFile(Console& console, const std::u16string& path) {
    if (!RequireReadableFile(console, path, "import file"))
        return false;
    std::error_code error;
    const auto size = std::filesystem::file_size(ToNativePath(path), error);
    if (!error && size > kMaxProfileFileBytes) {
        ReportError(console, Utf8(path) + ": the import file is larger than " +
                                 std::to_string(kMaxProfileFileBytes >> 20) + " MB");
        return false;
    }
    return true;
}

// Why an import failed: the first attribute section without a value (the later ones were not
// read), or the paper definitions.
std::string FailureReason(const ImportedCatalog& imported) {
    const struct {
        const std::vector<std::u16string>& values;
        const char* section;
        const char* firstKey;
    } sections[] = {{imported.sizes(), "PaperSizes", "PaperSize0"},
                    {imported.colours(), "PaperColors", "PaperColor0"},
                    {imported.weights(), "PaperWeights", "PaperWeight0"},
                    {imported.types(), "PaperTypes", "PaperType0"},
                    {imported.forced(), "PaperForced", "PaperForce0"}};
    for (const auto& section : sections) {
        if (section.values.empty())
            return std::string("section [") + section.section + "] has no value (" +
                   section.firstKey + " is missing or empty)";
    }
    if (imported.invalidPaperCount() > 0)
        return "none of the paper definitions in [PaperDefs] is valid (" +
               std::to_string(imported.invalidPaperCount()) + " rejected)";
    return "section [PaperDefs] yields no paper (PaperDef0 is missing or empty, or names \"*\")";
}

// The warnings File > Import shows about what reading the file changed or dropped.
bool ReportReadingWarnings(Console& console, const ImportedCatalog& imported) {
    bool warned = false;
    if (imported.colonsReplaced()) {
        ReportWarning(console,
                      "Some papers had the colon character (:) changed to the underscore "
                      "character (_).");
        warned = true;
    }
    return warned;
}

bool ReportInvalidDefinitions(Console& console, const ImportedCatalog& imported) {
    if (!imported.invalidValue() && !imported.missingField())
        return false;
    std::string why;
    if (imported.missingField())
        why = "an empty field";
    if (imported.invalidValue())
        why += std::string(why.empty() ? "" : " or ") +
               "a size number that is not all digits or a weight outside " + WeightRangeText();
    ReportWarning(console, std::string(kInvalidAttributes) + " (" +
                               std::to_string(imported.invalidPaperCount()) +
                               " paper definitions rejected for " + why + ")");
    return true;
}

// The papers AddImportedPapers refused, by name where the name identifies them.
bool ReportRejected(Console& console, const ImportedCatalog& imported, const PaperCatalog& catalog,
                    const ImportTransferResult& result) {
    for (const PaperDefinition& paper : imported.papers()) {
        if (catalog.FindPaper(paper.name) < 0)
            ReportWarning(console, std::string(kInvalidAttributes) + " (paper " +
                                       Quoted(paper.name) + " was not added)");
    }
    if (result.attributesRejected > 0)
        ReportWarning(console, std::string(kInvalidAttributes) + " (" +
                                   std::to_string(result.attributesRejected) +
                                   " weight, type or colour values were not added)");
    return result.papersRejected > 0 || result.attributesRejected > 0;
}

int RunImportJson(const ImportedCatalog& imported, Console& console) {
    const bool warnings =
        imported.colonsReplaced() || imported.invalidValue() || imported.missingField();
    WriteImportedCatalogJson(console.out, imported,
                             imported.failed() ? kImportFailed
                             : warnings        ? kImportWarnings
                                               : kImportClean);
    if (imported.failed()) {
        ReportError(console, Utf8(imported.path()) + ": import failed: " + FailureReason(imported));
        return kExitProblems;
    }
    const bool colons = ReportReadingWarnings(console, imported);
    const bool invalid = ReportInvalidDefinitions(console, imported);
    return colons || invalid ? kExitProblems : kExitSuccess;
}

// The base catalog as File > Import finds the default catalog: its companions must be there
// (the editor would copy them from itself, which fails) and it must load without problems.
bool RequireBase(Console& console, const std::u16string& base) {
    if (!RequireReadableFile(console, base, "base catalog"))
        return false;
    for (const std::u16string& companion :
         {CompanionAttributePath(base), CompanionSizePath(base)}) {
        if (!FileExists(ToNativePath(companion))) {
            ReportError(console, Utf8(companion) + ": the base catalog's companion is missing");
            return false;
        }
    }
    return true;
}

std::u16string ChooseBase(const Invocation& invocation, const Environment& environment,
                          Console& console) {
    if (!invocation.base.empty())
        return invocation.base;
    std::u16string base = InstalledDefaultCatalog(environment.executablePath);
    if (base.empty())
        ReportError(console, "no --base given and no installed default catalog found");
    return base;
}

// Moves the import into the base catalog as File > Import does and reports what the editor would
// show. False when the import failed and nothing is to be written.
bool TransferInto(ImportedCatalog& imported, PaperCatalog& catalog, Console& console,
                  const Environment& environment, bool& warned) {
    CatalogImportTarget target(catalog, environment.decimalSeparator);
    const ImportTransferResult result = TransferImportedCatalog(imported, target);
    if (result.failed) {
        ReportError(console, "Import failed. Papers contain invalid attributes. (" +
                                 std::to_string(result.papersAdded) + " papers added, " +
                                 std::to_string(result.attributeValues) +
                                 " attribute values in the file; nothing written)");
        return false;
    }
    warned = ReportReadingWarnings(console, imported);
    if (imported.defaultPaperFailed()) {
        ReportWarning(console, "The default paper selection cannot be completed. (" +
                                   Quoted(imported.defaultPaperName()) +
                                   " cannot be made the default paper)");
        warned = true;
    }
    warned = ReportInvalidDefinitions(console, imported) || warned;
    warned = ReportRejected(console, imported, catalog, result) || warned;
    return true;
}

}  // namespace

int RunImport(const Invocation& invocation, Console& console, const Environment& environment) {
    const std::u16string& path = invocation.files.front();
    const bool readable = RequireImportFile(console, path);
    if (!readable && !invocation.json)
        return kExitUnusable;
    ImportedCatalog imported(path);
    if (!readable) {
        // What the editor reads from a file it cannot open: nothing, a failed import.
        WriteImportedCatalogJson(console.out, imported, kImportUnreadable);
        return kExitUnusable;
    }
    if (invocation.json)
        return RunImportJson(imported, console);
    if (imported.failed()) {
        ReportError(console, Utf8(path) + ": import failed: " + FailureReason(imported) +
                                 "; nothing written");
        return kExitProblems;
    }
    const std::u16string base = ChooseBase(invocation, environment, console);
    if (base.empty() || !RequireBase(console, base))
        return kExitUnusable;
    PaperCatalog catalog = LoadCatalogAsEditor(base);
    if (catalog.status() != kStatusOk) {
        ReportCatalogStatus(console, base, catalog.status());
        PrintFindingsOf(base, console.err);
        ReportError(console,
                    Utf8(base) + ": the base catalog does not load cleanly; nothing written");
        return ExitCodeForStatus(catalog.status());
    }
    bool warned = false;
    if (!TransferInto(imported, catalog, console, environment, warned))
        return kExitProblems;
    const std::u16string sizeSource = CompanionSizePath(base);
    const SaveAsResult saved = SaveCatalogAs(catalog, invocation.out, sizeSource);
    const int saveCode = ReportSaveAs(console, saved, invocation.out, sizeSource);
    return saveCode != kExitSuccess ? saveCode : warned ? kExitProblems : kExitSuccess;
}

}  // namespace sheetwise::cli
