// The catalogs an edit command or an edit script changes, each on an editing session of its own,
// all or nothing: every catalog is read and takes every edit before any is written, and when one
// cannot be read or refuses an edit, none is written. A catalog the edits leave as it was is not
// written at all, so that applying a script again changes no file.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CatalogEdit.h"
#include "cli/Commands.h"
#include "cli/SessionEdits.h"

namespace sheetwise::cli {

// A message an edit or the catalog was refused with.
struct EditRefusal {
    size_t edit = 0;  // the edit's position, from 1; 0 for the catalog as a whole
    int message = 0;  // its string-table id, 0 for the tool's own words
    std::string text;
};

// One catalog's way through the edits.
struct CatalogEditing {
    enum class State { kUnreadable, kRefused, kChanged, kUnchanged };
    enum class Written { kNo, kYes, kFailed };

    std::u16string path;
    std::u16string target;  // where it is written: the catalog itself, or --out
    std::unique_ptr<EditingSession> session;
    std::optional<PaperCatalog> asRead;  // what the edits are held against, and diffed with
    int32_t status = 0;                  // how it read
    State state = State::kUnchanged;
    int exitCode = kExitSuccess;
    std::vector<EditResult> results;  // one per edit made; a refusal ends them
    std::vector<EditRefusal> refusals;
    Written written = Written::kNo;

    bool takesEdits() const { return state == State::kChanged || state == State::kUnchanged; }
};

// Where the edits come from, for the messages that name an edit.
struct EditSource {
    std::vector<CatalogEdit> edits;
    std::string script;  // the edit script's name; empty for an edit command
};

// Applies the edits to every catalog of the invocation (--dry-run, --out, --force,
// --drop-bad-lines, --json as it says), reports, and returns the exit status.
int RunEdits(const Invocation& invocation, const EditSource& source, Console& console,
             const Environment& environment);

// The report of what was done: a line a catalog, or with --dry-run the diffs, or the JSON.
void PrintEditReport(const Invocation& invocation, const std::vector<CatalogEditing>& catalogs,
                     const EditSource& source, bool applied, Console& console,
                     const Environment& environment);

}  // namespace sheetwise::cli
