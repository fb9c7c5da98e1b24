// check: every line the catalog's readers drop or change, and every inconsistency between a
// catalog's papers, its default paper and its attribute lists, one finding a line.
#include <algorithm>

#include "cli/CatalogCheck.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace sheetwise::cli {

int RunCheck(const Invocation& invocation, Console& console) {
    Findings findings(console.out, invocation.json ? Findings::Form::kJson : Findings::Form::kText,
                      invocation.max);
    int exitCode = kExitSuccess;
    for (const std::u16string& path : invocation.files) {
        const size_t before = findings.count();
        const bool unreadableBefore = findings.unreadable();
        CheckOneCatalog(path, findings);
        const int code = findings.unreadable() && !unreadableBefore ? kExitUnusable
                         : findings.count() == before               ? kExitSuccess
                                                                    : kExitProblems;
        exitCode = std::max(exitCode, code);
    }
    findings.Finish();
    return exitCode;
}

}  // namespace sheetwise::cli
