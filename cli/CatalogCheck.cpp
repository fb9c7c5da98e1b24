// check of one catalog: its three files read by the catalog's own readers, each note a finding,
// and then what only check says: duplicate names, the default paper, values missing from lists.
#include "cli/CatalogCheck.h"

#include <unordered_map>

#include "cli/CheckListener.h"
#include "cli/CommandSupport.h"
#include "cli/CompanionChecks.h"
#include "cli/Console.h"
#include "formats/CatalogFile.h"
#include "formats/CharacterCheck.h"
#include "model/FileProblems.h"
#include "model/PaperCatalog.h"
#include "model/WeightRange.h"
#include "platform/CatalogWriteLock.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"
#include "platform/SymbolicLinks.h"

namespace sheetwise::cli {
namespace {

// A paper the reader keeps, with what the checks after the reading need.
struct CheckedPaper {
    int32_t line = 0;
    std::u16string name;
    int32_t weight = 0;
    std::u16string colour;
    std::u16string type;
};

// Takes each paper the reader keeps out of its list, so that only what the checks need is held.
class CatalogFileCheck final : public CheckListener {
  public:
    CatalogFileCheck(std::string file, Findings& findings, std::vector<PaperDefinition>& read)
        : CheckListener(CheckedFile::kCatalog, std::move(file), findings), read_(read) {}

    void LineKept(int32_t line) override {
        PaperDefinition& paper = read_.back();
        if (paper.weight != 0 && !IsWeightInRange(paper.weight))
            AddInconsistency(line, FindingCode::kWeightOutOfRange,
                             "the weight " + std::to_string(paper.weight) + " lies outside " +
                                 WeightRangeText() + " gsm: the editor would not take it as typed");
        if (paper.precollated != 0 && paper.precollated != 1)
            AddInconsistency(line, FindingCode::kPrecollatedNotFlag,
                             "the precollated flag " + std::to_string(paper.precollated) +
                                 " is neither 0 nor 1");
        // Reported where the second paper of a name is read, so that nothing waits for the end.
        const auto [first, added] = firstLines_.try_emplace(paper.name, line);
        if (!added)
            AddInconsistency(line, FindingCode::kDuplicateName,
                             "the name " + Quoted(paper.name) + " is taken already (line " +
                                 std::to_string(first->second) +
                                 "): finding a paper by this name gives the first one");
        WarnOfDisplayHazard(line, "the name", paper.name);
        WarnOfDisplayHazard(line, "the colour", paper.colour);
        WarnOfDisplayHazard(line, "the type", paper.type);
        papers.push_back({line, std::move(paper.name), paper.weight, std::move(paper.colour),
                          std::move(paper.type)});
        read_.pop_back();
    }

    std::vector<CheckedPaper> papers;

  private:
    std::vector<PaperDefinition>& read_;
    std::unordered_map<std::u16string, int32_t> firstLines_;
};

std::string FirstPaperTakesOver(const std::vector<CheckedPaper>& papers) {
    if (papers.empty())
        return "";
    const CheckedPaper& first = papers.front();
    return ": the first paper, " + Quoted(first.name) + " (line " + std::to_string(first.line) +
           "), becomes the default and is saved as such";
}

void CheckDefaultPaper(const std::u16string& defaultName, const std::vector<CheckedPaper>& papers,
                       CheckListener& check) {
    if (defaultName.empty()) {
        check.AddInconsistency(
            1, FindingCode::kNoDefaultPaper,
            "the first line names no default paper" + FirstPaperTakesOver(papers));
        return;
    }
    std::vector<int32_t> carriers;
    for (const CheckedPaper& paper : papers) {
        if (paper.name == defaultName)
            carriers.push_back(paper.line);
    }
    if (carriers.empty()) {
        check.AddInconsistency(1, FindingCode::kDefaultPaperMissing,
                               "no paper carries the default paper name " + Quoted(defaultName) +
                                   FirstPaperTakesOver(papers));
    } else if (carriers.size() > 1) {
        check.AddInconsistency(1, FindingCode::kDefaultPaperRepeated,
                               std::to_string(carriers.size()) +
                                   " papers carry the default paper name " + Quoted(defaultName) +
                                   ": the last one, on line " + std::to_string(carriers.back()) +
                                   ", is the default");
    }
}

struct MissingValue {
    int32_t firstLine;
    int32_t papers;
};

// Values the papers use that their list lacks, as the editor appends them when it lists the
// papers: colour, weight and type of each paper in turn.
void CheckListMembership(const std::vector<CheckedPaper>& papers,
                         const AttributeFileReport& attributes, CheckListener& check) {
    const struct {
        const char* what;
        const ListedValues& list;
    } kinds[] = {
        {"colour", attributes.colours}, {"weight", attributes.weights}, {"type", attributes.types}};
    std::vector<std::pair<size_t, std::u16string>> order;
    std::unordered_map<std::u16string, MissingValue> missing[3];
    for (const CheckedPaper& paper : papers) {
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
        check.AddInconsistency(entry.firstLine, FindingCode::kValueNotListed,
                               std::string("the ") + kinds[kind].what + " " + Quoted(value) +
                                   " (used by " + std::to_string(entry.papers) +
                                   (entry.papers == 1 ? " paper" : " papers") + ") is not in the " +
                                   kinds[kind].what + " list of " + attributes.file +
                                   ": the editor adds it when it lists the papers");
    }
}

// What the editor's status tells, empty for status 0.
std::string EditorStatus(const std::u16string& path) {
    const int32_t status = ReadCatalog(path).catalog().status();
    if (status == kStatusOk)
        return {};
    std::string message = "the editor loads this catalog with status " + std::to_string(status) +
                          " (" + StatusMeaning(status) + ")";
    if (status >= kStatusPathEmpty && status <= kStatusSizeFieldMissing)
        message += " and reads none of its papers";
    return message + "; opening it shows an error";
}

void CheckCatalogFile(const std::u16string& path, const SizeFileReport& sizes,
                      const AttributeFileReport& attributes, const std::string& editorStatus,
                      Findings& findings) {
    CatalogFileContents contents;
    CatalogFileCheck check(Utf8(path), findings, contents.papers);
    if (!editorStatus.empty())
        check.Add(0, FindingCode::kEditorStatus, editorStatus);
    check.SetSizesKnown(sizes.opened);
    const CatalogReadResult read =
        ReadCatalogFile(path, LineReader::Narrow::kDecodeAnsi, sizes.sizes, contents, &check);
    if (read.status == kStatusCatalogCannotOpen || read.status == kStatusCatalogPathEmpty) {
        findings.AddUnreadable(check.file(), FindingCode::kCatalogUnreadable,
                               "the catalog file cannot be opened");
        return;
    }
    const bool firstLineRead = read.readToEnd || check.tooLongLine() > 1;
    if (!firstLineRead) {
        if (check.tooLongLine() == 0 && !check.tooLarge())
            check.Add(0, FindingCode::kEmptyFile,
                      "the file is empty: it has no first line (status 7)");
        return;
    }
    check.WarnOfDisplayHazard(1, "the header text", contents.headerText);
    if (!FirstDisallowed(contents.defaultName))
        check.WarnOfDisplayHazard(1, "the default paper name", contents.defaultName);
    CheckDefaultPaper(contents.defaultName, check.papers, check);
    if (attributes.opened)
        CheckListMembership(check.papers, attributes, check);
}

}  // namespace

// The companions first, since the catalog is read against them; each file's findings together.
// The files are read under the shared side of the folder's lock, so never in the middle of a save.
void CheckOneCatalog(const std::u16string& path, Findings& findings) {
    if (!CanReadFile(path)) {
        findings.AddUnreadable(Utf8(path), FindingCode::kCatalogUnreadable,
                               "the catalog file cannot be opened");
        return;
    }
    const CatalogReadLock lock(RealFileOf(ToNativePath(path)));
    if (lock.gaveUp()) {
        findings.AddUnreadable(Utf8(path), FindingCode::kFolderLocked,
                               "the catalog's folder stayed locked by a save: not checked");
        return;
    }
    // Loaded before the checks hold their own copy of the values, so that a huge attribute
    // file is not in memory twice.
    const std::string editorStatus = EditorStatus(path);
    const SizeFileReport sizes = CheckSizeFile(SizePathForCatalog(path), findings);
    const AttributeFileReport attributes = CheckAttributeFile(path, findings);
    CheckCatalogFile(path, sizes, attributes, editorStatus, findings);
}

void PrintFindingsOf(const std::u16string& path, std::ostream& out) {
    Findings findings(out, Findings::Form::kText, kDefaultMaxFindings);
    CheckOneCatalog(path, findings);
    findings.Finish();
}

}  // namespace sheetwise::cli
