#include "cli/Cli.h"

#include "cli/CommandLine.h"
#include "cli/HelpText.h"
#include "cli/JsonWriter.h"

namespace sheetwise::cli {

namespace {

int RunParsed(const ParsedArguments& parsed, Console& console, const Environment& environment) {
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
            return RunShow(invocation, console, environment);
        case Command::kCheck:
            return RunCheck(invocation, console);
        case Command::kImport:
            return RunImport(invocation, console, environment);
        case Command::kConvert:
            return RunConvert(invocation, console, environment);
        case Command::kExport:
            return RunExport(invocation, console);
        case Command::kDiff:
            return RunDiff(invocation, console, environment);
        case Command::kApply:
            return RunApply(invocation, console, environment);
        default:
            return RunEdit(invocation, console, environment);
    }
}

}  // namespace

int RunCommandLine(const QStringList& arguments, Console& console, const Environment& environment) {
    const ParsedArguments parsed = ParseArguments(arguments);
    SetCompactJson(console.out, parsed.invocation.compact);
    const int exitCode = RunParsed(parsed, console, environment);
    // A full disk or a closed file behind standard output must not pass for a result.
    console.out.flush();
    if (console.out.good())
        return exitCode;
    ReportError(console, "cannot write the results to standard output");
    return kExitUnusable;
}

}  // namespace sheetwise::cli
