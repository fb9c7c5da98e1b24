// diff: what differs between a catalog and others as the editor reads them, for people who keep
// the catalogs of many print servers in step: each catalog against the first, the golden one.
#include <algorithm>
#include <optional>

#include "cli/CatalogDiff.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/DiffOutput.h"
#include "cli/JsonWriter.h"
#include "model/FileProblems.h"

namespace sheetwise::cli {
namespace {

// The catalog as the editor reads it, or nothing when it cannot be compared: a file that cannot
// be opened, or one that is not read to its end, whose papers would show as removed.
std::optional<PaperCatalog> LoadForDiff(Console& console, const std::u16string& path) {
    if (!RequireReadableFile(console, path, "catalog file"))
        return std::nullopt;
    const CatalogDocument document = ReadCatalog(path);
    ReportCatalogStatus(console, path, document.catalog().status());
    if (PapersReadToEnd(document.catalog().status()))
        return document.catalog();
    ReportError(console, Utf8(path) + ": not read to its end, so it cannot be compared");
    return std::nullopt;
}

// One catalog against the golden one, in the form asked for. Returns the exit status.
int PrintComparison(const Invocation& invocation, Console& console, const Environment& environment,
                    const PaperCatalog& golden, const PaperCatalog& other,
                    const std::u16string& otherPath) {
    const std::u16string& goldenPath = invocation.files.front();
    const CatalogDiff diff = DiffCatalogs(golden, other);
    std::optional<ByteDiff> bytes;
    if (invocation.bytes)
        bytes = DiffBytes(golden, other);
    if (invocation.quiet) {
        // The exit status says it all.
    } else if (invocation.json) {
        JsonWriter json(console.out);
        WriteDiffJson(json, goldenPath, otherPath, diff, golden, other, bytes,
                      environment.decimalSeparator);
    } else if (invocation.stat) {
        console.out << Shown(goldenPath) << " -> " << Shown(otherPath) << ": " << DiffSummary(diff)
                    << (bytes && bytes->any() ? " (the files differ byte for byte)" : "") << "\n";
    } else {
        console.out << "--- " << Shown(goldenPath) << "\n+++ " << Shown(otherPath) << "\n";
        if (diff.Same() && !(bytes && bytes->any()))
            console.out << "same\n";
        PrintDiffLines(console.out, diff, golden, other, bytes);
    }
    return diff.Same() ? kExitSuccess : kExitProblems;
}

}  // namespace

int RunDiff(const Invocation& invocation, Console& console, const Environment& environment) {
    const std::optional<PaperCatalog> golden = LoadForDiff(console, invocation.files.front());
    if (!golden)
        return kExitUnusable;
    int exitCode = kExitSuccess;
    for (size_t i = 1; i < invocation.files.size(); ++i) {
        const std::optional<PaperCatalog> other = LoadForDiff(console, invocation.files[i]);
        const int code = other ? PrintComparison(invocation, console, environment, *golden, *other,
                                                 invocation.files[i])
                               : kExitUnusable;
        exitCode = std::max(exitCode, code);
    }
    return exitCode;
}

}  // namespace sheetwise::cli
