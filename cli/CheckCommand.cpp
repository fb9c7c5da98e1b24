// check: every line the catalog's readers drop or change, and every inconsistency between a
// catalog's papers, its default paper and its attribute lists, one finding a line.
#include <algorithm>
#include <unordered_map>

#include "cli/CatalogCheck.h"
#include "cli/CatalogFileCheck.h"
#include "cli/CatalogFiles.h"
#include "cli/Commands.h"
#include "cli/CompanionChecks.h"
#include "import/ImportCatalogTarget.h"
#include "model/PaperCatalog.h"

namespace sheetwise::cli {
namespace {

std::string FirstPaperTakesOver(const CatalogFileReport& report) {
    if (report.papers.empty())
        return "";
    const CheckedPaper& first = report.papers.front();
    return ": the first paper, " + Quoted(first.name) + " (line " + std::to_string(first.line) +
           "), becomes the default and is saved as such";
}

void CheckDefaultPaper(const CatalogFileReport& report, const std::string& file,
                       Findings& findings) {
    if (!report.firstLineRead)
        return;
    if (!report.namesDefault || report.defaultName.empty()) {
        findings.Add(file, 1,
                     "the first line names no default paper" + FirstPaperTakesOver(report));
        return;
    }
    std::vector<int32_t> carriers;
    for (const CheckedPaper& paper : report.papers) {
        if (paper.name == report.defaultName)
            carriers.push_back(paper.line);
    }
    if (carriers.empty()) {
        findings.Add(file, 1,
                     "no paper carries the default paper name " + Quoted(report.defaultName) +
                         FirstPaperTakesOver(report));
    } else if (carriers.size() > 1) {
        findings.Add(file, 1,
                     std::to_string(carriers.size()) + " papers carry the default paper name " +
                         Quoted(report.defaultName) + ": the last one, on line " +
                         std::to_string(carriers.back()) + ", is the default");
    }
}

struct MissingValue {
    int32_t firstLine;
    int32_t papers;
};

// Values the papers use that their list lacks, as the editor appends them when it lists the
// papers: colour, weight and type of each paper in turn.
void CheckListMembership(const CatalogFileReport& catalog, const AttributeFileReport& attributes,
                         const std::string& file, Findings& findings) {
    const struct {
        const char* what;
        const ListedValues& list;
    } kinds[] = {
        {"colour", attributes.colours}, {"weight", attributes.weights}, {"type", attributes.types}};
    std::vector<std::pair<size_t, std::u16string>> order;
    std::unordered_map<std::u16string, MissingValue> missing[3];
    for (const CheckedPaper& paper : catalog.papers) {
        const std::u16string values[] = {paper.colour, WeightListText(paper.weight), paper.type};
        for (size_t kind = 0; kind < 3; ++kind) {
            if (kinds[kind].list.contains(values[kind]))
                continue;
            auto [entry, added] =
                missing[kind].try_emplace(values[kind], MissingValue{paper.line, 0});
            ++entry->second.papers;
            if (added)
                order.emplace_back(kind, values[kind]);
        }
    }
    for (const auto& [kind, value] : order) {
        const MissingValue& entry = missing[kind].at(value);
        findings.Add(file, entry.firstLine,
                     std::string("the ") + kinds[kind].what + " " + Quoted(value) + " (used by " +
                         std::to_string(entry.papers) + (entry.papers == 1 ? " paper" : " papers") +
                         ") is not in the " + kinds[kind].what + " list of " + attributes.file +
                         ": the editor adds it when it lists the papers");
    }
}

// What the editor's status tells, empty for status 0.
std::string EditorStatus(const std::u16string& path) {
    const int32_t status = LoadCatalogAsEditor(path).status();
    if (status == kStatusOk)
        return {};
    std::string message = "the editor loads this catalog with status " + std::to_string(status) +
                          " (" + StatusText(status) + ")";
    if (status >= kStatusPathEmpty && status <= kStatusSizeFieldMissing)
        message += " and reads none of its papers";
    return message + "; opening it shows an error";
}

}  // namespace

// The companions first, since the catalog is read against them; each file's findings together.
void CheckOneCatalog(const std::u16string& path, Findings& findings) {
    const std::string file = Utf8(path);
    if (!CanReadFile(path)) {
        findings.AddUnreadable(file, "the catalog file cannot be opened");
        return;
    }
    // Loaded before the checks hold their own copy of the values, so that a huge attribute
    // file is not in memory twice.
    const std::string editorStatus = EditorStatus(path);
    const SizeFileReport sizes = CheckSizeFile(SizePathForCatalog(path), findings);
    const AttributeFileReport attributes = CheckAttributeFile(path, findings);
    if (!editorStatus.empty())
        findings.Add(file, 0, editorStatus);
    const CatalogFileReport catalog =
        CheckCatalogFile(path, file, sizes.sizeCount, sizes.opened, findings);
    CheckDefaultPaper(catalog, file, findings);
    if (attributes.opened)
        CheckListMembership(catalog, attributes, file, findings);
}

void PrintFindingsOf(const std::u16string& path, std::ostream& out) {
    Findings findings(out, Findings::Form::kText, Invocation{}.max);
    CheckOneCatalog(path, findings);
    findings.Finish();
}

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
