#include "cli/Cli.h"

#include "cli/CommandLine.h"
#include "cli/HelpText.h"

namespace sheetwise::cli {

int RunCommandLine(const QStringList& arguments, Console& console, const Environment& environment) {
    const ParsedArguments parsed = ParseArguments(arguments);
    const Invocation& invocation = parsed.invocation;
    if (!parsed.ok) {
        ReportError(console, parsed.error);
        console.err << UsageHint(invocation.command);
        return kExitUnusable;
    }
    switch (invocation.command) {
        case Command::kHelp:
            console.out << HelpText(invocation.helpTopic);
            return kExitSuccess;
        case Command::kVersion:
            console.out << VersionText();
            return kExitSuccess;
        case Command::kShow:
            return RunShow(invocation, console);
        case Command::kCheck:
            return RunCheck(invocation, console);
        case Command::kImport:
            return RunImport(invocation, console, environment);
        case Command::kConvert:
            return RunConvert(invocation, console);
        case Command::kExport:
            return RunExport(invocation, console);
    }
    return kExitUnusable;
}

}  // namespace sheetwise::cli
