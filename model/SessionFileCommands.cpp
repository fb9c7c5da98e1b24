// The File menu and start-up: which catalog is held, and when it is written.
//
// A catalog always lives in a .cat file with two companions, the attribute file (".atr" after the
// full name) and the size-definition file. Opening creates missing companions from the default
// catalog's; Save writes the catalog and the attribute file, never the sizes. No command leaves
// unsaved work behind without asking, and a save that the question started and that fails or is
// cancelled stops the command.
#include <algorithm>
#include <unordered_set>

#include "model/CompanionFiles.h"
#include "model/DefaultCatalog.h"
#include "model/EditingSession.h"
#include "model/FileProblems.h"
#include "model/MessageIds.h"
#include "model/WeightRange.h"
#include "platform/CatalogWriteLock.h"
#include "platform/CodePage.h"
#include "platform/FileFailure.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

Notice Error(int message, std::string details = {}, std::string fallback = {}) {
    return {message::kError, message, std::move(details), std::move(fallback)};
}

// Whether two papers would be saved as the same line. What the reader derives (the colour and
// type codes, the position it read the paper at) is not compared.
bool SameSavedPaper(const PaperDefinition& a, const PaperDefinition& b) {
    return a.name == b.name && a.sizeIndex == b.sizeIndex && a.weight == b.weight &&
           a.colour == b.colour && a.type == b.type && a.imagedSides == b.imagedSides &&
           a.precollated == b.precollated;
}

// Whether two catalogs hold the same papers, default paper, lists and sizes.
bool SameContent(const PaperCatalog& a, const PaperCatalog& b) {
    return std::equal(a.papers().begin(), a.papers().end(), b.papers().begin(), b.papers().end(),
                      SameSavedPaper) &&
           a.GetDefaultIndex() == b.GetDefaultIndex() && a.sizes() == b.sizes() &&
           a.GetAttributeList(kWeights) == b.GetAttributeList(kWeights) &&
           a.GetAttributeList(kTypes) == b.GetAttributeList(kTypes) &&
           a.GetAttributeList(kColours) == b.GetAttributeList(kColours);
}

// What a load that failed says: the catalog file could not be found (opened), a companion
// could not be read (no paper was read), or lines of the catalog file could not be.
int LoadFailureMessage(int32_t status) {
    if (status == kStatusCatalogCannotOpen || status == kStatusCatalogPathEmpty)
        return message::kCatalogNotFound;
    return PapersReadToEnd(status) || status == kStatusCatalogReadError
               ? message::kCatalogReadInPart
               : message::kCatalogNotRead;
}

}  // namespace

void EditingSession::LocateDefaultCatalog(const std::u16string& executablePath,
                                          std::u16string_view programName,
                                          SessionPrompts& prompts) {
    document_.SetDefaultPath(FindDefaultCatalog(executablePath, programName));
    if (document_.defaultPath().empty())
        prompts.Tell(Error(
            message::kCatalogFilesProblem,
            "No installed default catalog was found for " + ToNativePath(executablePath) + "."));
}

void EditingSession::SetDefaultCatalog(std::u16string path) {
    document_.SetDefaultPath(std::move(path));
}

void EditingSession::Start(const std::optional<std::u16string>& catalogPath,
                           SessionPrompts& prompts) {
    // A name given relative to the current folder is shown as the full path, as Open shows one.
    if (catalogPath && !catalogPath->empty() && catalogPath->front() != u'/') {
        std::u16string absolute = WideFromNative(CurrentFolder()) + u"/" + *catalogPath;
        return Start(std::optional<std::u16string>(std::move(absolute)), prompts);
    }
    if (catalogPath && !document_.EnsureCompanions(*catalogPath)) {
        prompts.Tell(Error(message::kDefaultOpenedInstead,
                           DescribeCompanionFailure(*catalogPath, document_.defaultPath()),
                           message::kDefaultOpenedCopy));
    } else if (catalogPath) {
        LoadAndShow(*catalogPath, false, prompts);
        return;
    }
    if (BeginReplacing(prompts))
        OpenTemplate(prompts);
}

// Shows the catalog just read. The lists take in every value its papers use that they lack, as
// part of the catalog read, so that opening it alone leaves nothing unsaved.
void EditingSession::ShowLoaded() {
    {
        CatalogDocument::Edit edit(document_, EditAction::kAddValues, {}, -1);
        std::unordered_set<std::u16string> offered[3];
        for (const int32_t kind : {kWeights, kTypes, kColours}) {
            const AttributeList& list = catalog().GetAttributeList(kind);
            offered[kind] = {list.begin(), list.end()};
        }
        for (const PaperDefinition& paper : catalog().papers()) {
            const std::pair<int32_t, std::u16string> values[] = {
                {kColours, paper.colour},
                {kWeights, WeightListText(paper.weight)},
                {kTypes, paper.type}};
            for (const auto& [kind, value] : values) {
                if (!value.empty() && offered[kind].insert(value).second)
                    edit.Make(ValueInserted{
                        kind, static_cast<int32_t>(catalog().GetAttributeList(kind).size()),
                        value});
            }
        }
        edit.Commit(-1);
    }
    document_.SettleHistory();
    const int32_t defaultIndex = catalog().GetDefaultIndex();
    ShowPaper(defaultIndex >= 0 && defaultIndex < catalog().PaperCount() ? defaultIndex : 0);
}

int32_t EditingSession::LoadAndShow(const std::u16string& path, bool asTemplate,
                                    SessionPrompts& prompts) {
    const int32_t status = asTemplate ? document_.LoadTemplate() : document_.Load(path);
    ShowLoaded();
    if (status > 0)
        prompts.Tell(Error(LoadFailureMessage(status),
                           DescribeLoadFailure(path, status) + "\n\n" + KeptUntouchedNote(path)));
    return status;
}

bool EditingSession::OpenTemplate(SessionPrompts& prompts) {
    const std::u16string& path = document_.defaultPath();
    if (!document_.EnsureCompanions(path)) {
        prompts.Tell(Error(
            message::kCatalogFilesProblem,
            path.empty() ? "No default catalog was found." : DescribeCompanionFailure(path, path)));
        return false;
    }
    return LoadAndShow(path, true, prompts) == kStatusOk;
}

int32_t EditingSession::Load(const std::u16string& path) {
    const int32_t status = document_.Load(path);
    ShowLoaded();
    return status;
}

void EditingSession::TakeImported(PaperCatalog catalog, std::u16string source) {
    document_.TakeImported(std::move(catalog), std::move(source));
    const int32_t defaultIndex = this->catalog().GetDefaultIndex();
    ShowPaper(defaultIndex >= 0 && defaultIndex < this->catalog().PaperCount() ? defaultIndex : 0);
}

bool EditingSession::BeginReplacing(SessionPrompts& prompts) {
    document_.BeginCommand();
    return !ConfirmUnsavedChanges(prompts);
}

// True when the operator cancelled, and the command is to stop.
bool EditingSession::ConfirmUnsavedChanges(SessionPrompts& prompts) {
    if (!document_.MustAskBeforeReplacing())
        return false;
    const Question question{Question::Kind::kSaveChanges, message::kSaveChanges,
                            ToNativePath(document_.shownPath())};
    switch (prompts.Ask(question)) {
        case Answer::kCancel:
            return true;
        case Answer::kNo:
            document_.AcceptDiscard();
            return false;
        case Answer::kYes:
            break;
    }
    // A save that is cancelled or fails stops the command: going on would lose the changes.
    const SaveResult saved = document_.untitled()
                                 ? SaveAs(prompts)
                                 : SaveOwnFiles(document_.CatalogFileUnsaved(),
                                                document_.AttributeFileUnsaved(), prompts);
    return saved != SaveResult::kSaved;
}

void EditingSession::New(SessionPrompts& prompts) {
    if (BeginReplacing(prompts))
        OpenTemplate(prompts);
}

void EditingSession::Open(SessionPrompts& prompts) {
    if (!BeginReplacing(prompts))
        return;
    const std::optional<std::u16string> chosen =
        prompts.ChooseFile(FileChoice::kOpenCatalog, ChoiceFolder());
    if (!chosen)
        return;
    // The catalog held stays when the chosen one cannot be given its companions.
    if (!document_.EnsureCompanions(*chosen)) {
        prompts.Tell(Error(message::kCatalogFilesProblem,
                           DescribeCompanionFailure(*chosen, document_.defaultPath())));
        return;
    }
    const int32_t status = document_.Load(*chosen);
    if (status == 0) {
        ShowLoaded();
        return;
    }
    prompts.Tell(Error(message::kDefaultOpenedInstead, DescribeLoadFailure(*chosen, status),
                       message::kDefaultOpenedCopy));
    if (!ConfirmUnsavedChanges(prompts))
        OpenTemplate(prompts);
}

SaveResult EditingSession::Save(SessionPrompts& prompts) {
    if (document_.untitled())
        return SaveAs(prompts);
    // Both files are written whether or not anything changed.
    return SaveOwnFiles(true, true, prompts);
}

bool EditingSession::Exit(SessionPrompts& prompts) {
    return BeginReplacing(prompts);
}

SaveResult EditingSession::SaveOwnFiles(bool papers, bool attributes, SessionPrompts& prompts) {
    // Held from the check to the last rename, so that no other writer slips in between; let go
    // while the operator is asked, so that no other writer waits on the answer.
    ClearFileFailure();
    std::optional<CatalogWriteLock> lock(std::in_place, ToNativePath(document_.path()));
    // Another program kept the folder's lock (or the operator stopped waiting for it): nothing
    // is written, and the message says who held it.
    if (lock->gaveUp()) {
        prompts.Tell(Error(message::kSaveCatalogFailed,
                           DescribeWriteFailure(ToNativePath(document_.path()))));
        return SaveAs(prompts);
    }
    if (const std::optional<std::string> changed = document_.ChangedOnDisk(papers, attributes)) {
        lock.reset();
        switch (prompts.Ask({Question::Kind::kOverwriteChanged, 0, *changed})) {
            case Answer::kYes:
                break;
            case Answer::kNo:
                return SaveAs(prompts);
            case Answer::kCancel:
                return SaveResult::kCancelled;
        }
    }
    return WriteOwnFiles(papers, attributes, prompts);
}

SaveResult EditingSession::WriteOwnFiles(bool papers, bool attributes, SessionPrompts& prompts) {
    switch (document_.SaveOwnFiles(papers, attributes)) {
        case CatalogSetResult::kSaved:
            return SaveResult::kSaved;
        case CatalogSetResult::kCatalogNotSaved:
            prompts.Tell(Error(message::kSaveCatalogFailed,
                               DescribeWriteFailure(ToNativePath(document_.path()))));
            break;
        case CatalogSetResult::kAttributesNotSaved:
            prompts.Tell(Error(
                message::kSaveAttributesFailed,
                DescribeWriteFailure(ToNativePath(CompanionAttributePath(document_.path()))) +
                    (papers ? "\n\nThe catalog file was not written either: the two are saved "
                              "together or not at all."
                            : "")));
            break;
    }
    // A save that failed offers another name at once.
    return SaveAs(prompts);
}

// The name chosen for Save As. A name the catalog's companions cannot follow is refused. The file
// dialog asks about an existing file of exactly that name; saving matches the last component
// ignoring case, so "Plan.cat" would replace "Plan.CAT": that is asked here. Either way the
// operator chooses again.
std::optional<std::u16string> EditingSession::ChooseSaveAsTarget(SessionPrompts& prompts) {
    for (;;) {
        std::optional<std::u16string> chosen = prompts.ChooseFile(
            FileChoice::kSaveCatalogAs, ChoiceFolder(FileChoice::kSaveCatalogAs));
        if (!chosen)
            return std::nullopt;
        if (const std::optional<std::string> problem = CatalogNameProblem(*chosen)) {
            prompts.Tell(Error(message::kCatalogNameUnusable,
                               ToNativePath(*chosen) + ": " + *problem + "."));
            continue;
        }
        const std::string resolved = ToNativePath(*chosen);
        if (NameOf(resolved) == NameOf(Utf16ToUtf8(*chosen)) || !FileExists(resolved))
            return chosen;
        if (prompts.Ask({Question::Kind::kReplaceExisting, 0, resolved}) == Answer::kYes)
            return chosen;
    }
}

SaveResult EditingSession::SaveAs(SessionPrompts& prompts) {
    const std::optional<std::u16string> chosen = ChooseSaveAsTarget(prompts);
    if (!chosen)
        return SaveResult::kCancelled;
    switch (document_.SaveAs(*chosen)) {
        case SaveAsResult::kSaved:
            break;
        case SaveAsResult::kCatalogNotSaved:
            prompts.Tell(Error(message::kSaveAsCatalogFailed,
                               DescribeWriteFailure(ToNativePath(*chosen)),
                               message::kSaveAsCatalogCopy));
            return SaveResult::kFailed;
        case SaveAsResult::kAttributesNotSaved:
            prompts.Tell(Error(message::kSaveAsAttributesFailed,
                               DescribeWriteFailure(ToNativePath(CompanionAttributePath(*chosen))) +
                                   "\n\nThe catalog file was not written either: the two are "
                                   "saved together or not at all.",
                               message::kSaveAsAttributesCopy));
            return SaveResult::kFailed;
    }
    ShowSavedAs(*chosen, prompts);
    return SaveResult::kSaved;
}

// The catalog saved under a new name is read back from its files. It reads as what was saved,
// unless the new folder had a size-definition file of its own: then the papers take its sizes,
// and the catalog read is shown, with a new history.
void EditingSession::ShowSavedAs(const std::u16string& path, SessionPrompts& prompts) {
    document_.EnsureCompanions(path);
    CatalogDocument reread(document_.defaultPath());
    const int32_t status = reread.Load(path);
    if (status == 0 && SameContent(reread.catalog(), catalog()))
        return;
    if (status > 0) {
        prompts.Tell(Error(message::kDefaultOpenedInstead, DescribeLoadFailure(path, status),
                           message::kDefaultOpenedCopy));
        OpenTemplate(prompts);
        return;
    }
    const int32_t shown = selected_;
    document_.Load(path);
    ShowLoaded();
    ShowPaper(std::min(shown, catalog().PaperCount() - 1));
}

}  // namespace sheetwise
