// The edit commands and apply: catalogs changed on the editor's own session, as an operator
// changes them in the window, and written as its Save writes them, or not at all.
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/EditRun.h"
#include "cli/EditScript.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {

int RunEdit(const Invocation& invocation, Console& console, const Environment& environment) {
    return RunEdits(invocation, {{invocation.edit}, {}}, console, environment);
}

// The script is read whole, and checked, before any catalog is read.
int RunApply(const Invocation& invocation, Console& console, const Environment& environment) {
    const std::u16string& path = invocation.operands.front();
    const std::string name = Shown(path);
    std::string bytes;
    if (!CanReadFile(path) || ReadFileBytes(ToNativePath(path), bytes) != ReadResult::kOk) {
        ReportError(console, name + ": cannot read the edit script; nothing written");
        return kExitUnusable;
    }
    if (bytes.size() > kMaxEditScriptBytes) {
        ReportError(console, name + ": an edit script of more than " +
                                 std::to_string(kMaxEditScriptBytes >> 20) +
                                 " MiB is no edit script; nothing written");
        return kExitUnusable;
    }
    EditScript script = ParseEditScript(bytes);
    if (!script.ok) {
        ReportError(console, name + ": " + script.problem + "; nothing written");
        return kExitUnusable;
    }
    return RunEdits(invocation, {std::move(script.edits), name}, console, environment);
}

}  // namespace sheetwise::cli
