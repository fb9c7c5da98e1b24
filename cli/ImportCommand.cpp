// import: an import file (".ini") read and cleaned, and, with --out, moved into a copy of a base
// catalog and saved: File > Import followed by Save As, on the editor's own session.
#include <filesystem>
#include <string>

#include "cli/CatalogJson.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/ToolPrompts.h"
#include "import/CatalogImport.h"
#include "import/ImportedCatalog.h"
#include "import/ProfileReader.h"
#include "model/DefaultCatalog.h"
#include "model/MessageIds.h"
#include "model/WeightRange.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

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
        ReportWarning(console, MessageTextOf(message::kColonsReplaced));
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
    ReportWarning(console, MessageTextOf(message::kInvalidPaper) + " (" +
                               std::to_string(imported.invalidPaperCount()) +
                               " paper definitions rejected for " + why + ")");
    return true;
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

// The base plays the part of the editor's installed default catalog.
std::u16string ChooseBase(const Invocation& invocation, const Environment& environment,
                          Console& console) {
    if (!invocation.base.empty())
        return RequireReadableFile(console, invocation.base, "base catalog") ? invocation.base
                                                                             : u"";
    std::u16string base = FindDefaultCatalog(environment.executablePath, u"sheetwise-cli");
    if (base.empty() || !CanReadFile(base)) {
        ReportError(console, "no --base given and no installed default catalog found");
        return {};
    }
    return base;
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
    if (base.empty())
        return kExitUnusable;
    EditingSession session(environment.decimalSeparator);
    session.SetDefaultCatalog(base);
    ToolPrompts prompts(console, invocation.force);
    // A base that cannot be opened, or not read whole, cannot take an import.
    if (!session.OpenTemplate(prompts)) {
        ReportError(console, Utf8(base) + ": the base catalog cannot be used; nothing written");
        return kExitUnusable;
    }
    prompts.Give(FileChoice::kImportFile, path);
    if (!ImportCatalogFile(session, prompts)) {
        ReportError(console, Utf8(path) + ": nothing written");
        return kExitProblems;
    }
    // What the import changed or left out has been told, as the editor tells it.
    const bool told = prompts.toldAnything();
    prompts.Give(FileChoice::kSaveCatalogAs, invocation.out);
    if (session.SaveAs(prompts) != SaveResult::kSaved)
        return kExitUnusable;
    return told ? kExitProblems : kExitSuccess;
}

}  // namespace sheetwise::cli
