// check: every line the catalog's readers drop or change, and every inconsistency between a
// catalog's papers, its default paper and its attribute lists, one finding a line.

#include "cli/CatalogCheck.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace sheetwise::cli {

int RunCheck(const Invocation& invocation, Console& console) {
    Findings findings(console.out, invocation.json ? Findings::Form::kJson : Findings::Form::kText,
                      invocation.max);
    for (const std::u16string& path : invocation.files)
        CheckOneCatalog(path, findings);
    findings.Finish();
    if (findings.unreadable())
        return kExitUnusable;
    // Without --fail-on every finding counts; with it, those of that severity or graver.
    const std::optional<Severity> worst = findings.worst();
    const bool fails = worst && *worst >= invocation.failOn.value_or(Severity::kNote);
    return fails ? kExitProblems : kExitSuccess;
}

}  // namespace sheetwise::cli
