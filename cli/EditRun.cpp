#include "cli/EditRun.h"

#include <algorithm>

#include "cli/CatalogCheck.h"
#include "cli/CommandSupport.h"
#include "cli/EditWriting.h"
#include "cli/ToolPrompts.h"
#include "model/FileProblems.h"

namespace sheetwise::cli {
namespace {

bool SameSavedPaper(const PaperDefinition& a, const PaperDefinition& b) {
    return a.name == b.name && a.sizeIndex == b.sizeIndex && a.weight == b.weight &&
           a.colour == b.colour && a.type == b.type && a.imagedSides == b.imagedSides &&
           a.precollated == b.precollated;
}

// Whether a save would write the same two files for both: edits that undo each other (a paper
// added and deleted again) leave nothing to write.
bool SameSavedCatalog(const PaperCatalog& a, const PaperCatalog& b) {
    return a.headerText() == b.headerText() && a.GetDefaultPaper() == b.GetDefaultPaper() &&
           std::equal(a.papers().begin(), a.papers().end(), b.papers().begin(), b.papers().end(),
                      SameSavedPaper) &&
           a.GetAttributeList(kWeights) == b.GetAttributeList(kWeights) &&
           a.GetAttributeList(kTypes) == b.GetAttributeList(kTypes) &&
           a.GetAttributeList(kColours) == b.GetAttributeList(kColours);
}

// What the messages about one edit start with: the catalog, and the edit.
std::string Context(const CatalogEditing& catalog, const EditSource& source, size_t index) {
    const std::string edit = DescribeEdit(source.edits[index]);
    if (source.script.empty())
        return Shown(catalog.path) + ": " + edit;
    return Shown(catalog.path) + ": " + source.script + ", edit " + std::to_string(index + 1) +
           " (" + edit + ")";
}

// why: a message that names the file.
void RefuseCatalog(CatalogEditing& catalog, CatalogEditing::State state, int exitCode,
                   std::string why, Console& console) {
    ReportError(console, why);
    catalog.state = state;
    catalog.exitCode = exitCode;
    catalog.refusals.push_back({0, 0, std::move(why)});
}

// Reads the catalog as the editor opens it; false, with the reason told, when it cannot take
// edits: a file that cannot be read to its end, or one whose reader dropped or changed lines
// (unless those lines are to go).
bool ReadForEditing(CatalogEditing& catalog, const Invocation& invocation, Console& console,
                    const Environment& environment) {
    if (!CanReadFile(catalog.path)) {
        RefuseCatalog(catalog, CatalogEditing::State::kUnreadable, kExitUnusable,
                      DescribeLoadFailure(catalog.path, kStatusCatalogCannotOpen), console);
        return false;
    }
    catalog.session = std::make_unique<EditingSession>(environment.decimalSeparator);
    catalog.status = catalog.session->Load(catalog.path);
    ReportCatalogStatus(console, catalog.path, catalog.status);
    if (!PapersReadToEnd(catalog.status)) {
        RefuseCatalog(catalog, CatalogEditing::State::kUnreadable, kExitUnusable,
                      DescribeLoadFailure(catalog.path, catalog.status) +
                          " It cannot be edited, since papers would be lost.",
                      console);
        return false;
    }
    if (catalog.status == kStatusOk)
        return true;
    PrintFindingsOf(catalog.path, console.err);
    if (invocation.dropBadLines)
        return true;
    RefuseCatalog(catalog, CatalogEditing::State::kRefused, kExitProblems,
                  Shown(catalog.path) +
                      ": does not read without problems (see above); --drop-bad-lines edits it "
                      "without the lines its reader drops",
                  console);
    return false;
}

CatalogEditing EditCatalog(const std::u16string& path, const Invocation& invocation,
                           const EditSource& source, Console& console,
                           const Environment& environment) {
    CatalogEditing catalog;
    catalog.path = path;
    catalog.target = invocation.out.empty() ? path : invocation.out;
    if (!ReadForEditing(catalog, invocation, console, environment))
        return catalog;
    catalog.asRead = catalog.session->catalog();
    ToolPrompts prompts(console, invocation.force);
    for (size_t i = 0; i < source.edits.size(); ++i) {
        prompts.SetContext(Context(catalog, source, i));
        const EditResult result = MakeEdit(*catalog.session, source.edits[i], prompts);
        catalog.results.push_back(result);
        for (ToldNotice& told : prompts.TakeTold()) {
            if (told.error)
                catalog.refusals.push_back({i + 1, told.message, std::move(told.text)});
        }
        if (result == EditResult::kRefused) {
            catalog.state = CatalogEditing::State::kRefused;
            catalog.exitCode = kExitProblems;
            return catalog;
        }
    }
    const bool changed = catalog.session->document().Unsaved() &&
                         !SameSavedCatalog(*catalog.asRead, catalog.session->catalog());
    catalog.state = changed ? CatalogEditing::State::kChanged : CatalogEditing::State::kUnchanged;
    return catalog;
}

}  // namespace

int RunEdits(const Invocation& invocation, const EditSource& source, Console& console,
             const Environment& environment) {
    std::vector<CatalogEditing> catalogs;
    int exitCode = kExitSuccess;
    size_t refused = 0;
    for (const std::u16string& path : invocation.files) {
        catalogs.push_back(EditCatalog(path, invocation, source, console, environment));
        exitCode = std::max(exitCode, catalogs.back().exitCode);
        refused += catalogs.back().takesEdits() ? 0 : 1;
    }
    if (refused > 0) {
        ReportError(console, "nothing written: " + std::to_string(refused) + " of " +
                                 std::to_string(catalogs.size()) +
                                 (catalogs.size() == 1 ? " catalog" : " catalogs") +
                                 " cannot take the edits");
    } else if (!invocation.dryRun) {
        exitCode = WriteCatalogs(catalogs, invocation, console);
    }
    PrintEditReport(invocation, catalogs, source, refused == 0 && exitCode == kExitSuccess, console,
                    environment);
    return exitCode;
}

}  // namespace sheetwise::cli
