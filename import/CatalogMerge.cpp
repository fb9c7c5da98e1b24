#include "import/CatalogMerge.h"

#include <unordered_set>

#include "import/ImportFindings.h"
#include "import/ImportTransfer.h"
#include "import/ImportedCatalog.h"
#include "model/MessageIds.h"
#include "platform/CodePage.h"

namespace sheetwise {
namespace {

// What the merge adds, and what it leaves out.
struct MergePlan {
    std::vector<PaperDefinition> papers;
    std::vector<std::pair<int32_t, std::u16string>> values;
    std::vector<std::u16string> namesInUse;
    std::vector<size_t> rejectedPapers;
    std::vector<std::pair<AttributeKind, std::u16string>> rejectedValues;
};

void PlanPapers(const ImportedCatalog& imported, const PaperCatalog& catalog, MergePlan& plan) {
    std::unordered_set<std::u16string> added;
    for (size_t i = 0; i < imported.papers().size(); ++i) {
        const PaperDefinition& paper = imported.papers()[i];
        PaperDefinition made;
        // Imported papers are never precollated, as with File > Import.
        if (paper.name.empty() || paper.colour.empty() || paper.type.empty() ||
            paper.weight == -1 ||
            catalog.MakePaper(paper.name, paper.sizeIndex, paper.colour, paper.weight, paper.type,
                              paper.imagedSides, 0, made) != kStatusOk) {
            plan.rejectedPapers.push_back(i);
        } else if (catalog.FindPaper(made.name) >= 0 || !added.insert(made.name).second) {
            plan.namesInUse.push_back(made.name);
        } else {
            plan.papers.push_back(std::move(made));
        }
    }
}

void PlanValues(const ImportedCatalog& imported, MergePlan& plan) {
    const std::pair<AttributeKind, const std::vector<std::u16string>*> lists[] = {
        {kWeights, &imported.weights()},
        {kTypes, &imported.types()},
        {kColours, &imported.colours()}};
    for (const auto& [kind, values] : lists) {
        for (const std::u16string& original : *values) {
            std::u16string value = original;
            if (value.empty())
                continue;
            if (AcceptImportedValue(kind, value))
                plan.values.emplace_back(kind, std::move(value));
            else
                plan.rejectedValues.emplace_back(kind, original);
        }
    }
}

std::u16string FileName(const std::u16string& path) {
    const size_t separator = path.find_last_of(u"/\\");
    return separator == std::u16string::npos ? path : path.substr(separator + 1);
}

std::string NameList(const std::vector<std::u16string>& names) {
    std::string list;
    for (const std::u16string& name : names)
        list += (list.empty() ? "" : ", ") + Utf16ToUtf8(name);
    return list + ".";
}

}  // namespace

bool MergeCatalogFile(EditingSession& session, SessionPrompts& prompts) {
    const std::optional<std::u16string> chosen =
        prompts.ChooseFile(FileChoice::kImportFile, session.ChoiceFolder());
    if (!chosen)
        return false;
    ImportedCatalog imported(*chosen);
    if (imported.failed()) {
        prompts.Tell({message::kError, message::kMergeFailed, {}, {}});
        return false;
    }
    MapImportedSizes(imported, session.SizeItems());
    MergePlan plan;
    PlanPapers(imported, session.catalog(), plan);
    PlanValues(imported, plan);
    const bool merged =
        session.AppendPapers(EditAction::kImport, FileName(*chosen), plan.papers, plan.values);
    if (!plan.namesInUse.empty())
        prompts.Tell({message::kWarning, message::kNamesNotMerged, NameList(plan.namesInUse), {}});
    ReportImportFindings(imported, plan.rejectedPapers, plan.rejectedValues, prompts);
    return merged;
}

}  // namespace sheetwise
