// The File menu: New, Open, Import, Save, Save As and Exit, and the question that guards every
// command which would abandon unsaved changes.
//
// A catalog always lives in a .cat file with two companions, the attribute file (".atr" after the
// full name) and the size-definition file. Open and Save As create missing companions from the
// default catalog's; Save writes the catalog and the attribute file, never the sizes. After an
// import the catalog has no file of its own (the untitled flag): the next Save, Save As, New,
// Open, Import or Exit starts with the Save As dialog.
#include <unistd.h>

#include <QString>

#include "app/CatalogLocation.h"
#include "app/FileDialogFilter.h"
#include "app/FileProblems.h"
#include "app/MainDialog.h"
#include "app/WindowImportTarget.h"
#include "editor/PaperListView.h"
#include "import/ImportTransfer.h"
#include "import/ImportedCatalog.h"
#include "model/CatalogSet.h"
#include "platform/AtomicFile.h"
#include "platform/CatalogWriteLock.h"
#include "platform/FileIdentity.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

constexpr int kErrorCaption = 12059;
constexpr int kWarningCaption = 12040;

constexpr int kCatalogFilter = 7002;
constexpr int kImportFilter = 7016;

// Message ids of the file commands.
constexpr int kDefaultPaperFailed = 17016;
constexpr int kInvalidPaper = 17020;
constexpr int kSaveAttributesFailed = 17021;
constexpr int kSaveCatalogFailed = 17022;
constexpr int kSaveChanges = 17228;
constexpr int kDefaultOpenedInstead = 17254;
constexpr int kColonsReplaced = 17255;
constexpr int kCatalogFilesProblem = 17256;
constexpr int kSaveAsCatalogFailed = 17265;
constexpr int kSaveAsAttributesFailed = 17266;
constexpr int kImportFailed = 57668;

// The column labels that name a rejected value's kind.
constexpr int kColourLabel = 10097;
constexpr int kWeightLabel = 10098;
constexpr int kTypeLabel = 10099;

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// The English texts of the three messages a reduced string table may lack; without them the
// operator would not learn that a save failed or that another catalog is on screen.
const QString kDefaultOpenedCopy = QStringLiteral(
    "There may be a problem with the Paper Catalog Files. The Paper Catalog could not be "
    "opened.\n\nA Default Paper Catalog has been opened instead.");
const QString kImportDefaultOpenedCopy = QStringLiteral(
    "There may be a problem with the Paper Catalog Files. The Paper Catalog could not be "
    "opened.\n\nA Default catalog has been opened instead.");
const QString kSaveAsCatalogCopy =
    QStringLiteral("Save As paper catalog operation cannot be completed.");
const QString kSaveAsAttributesCopy =
    QStringLiteral("Save As attributes operation cannot be completed.");

// Questions the string table has no text for.
const QString kChangedOnDisk = QStringLiteral(
    "%1 has been changed on disk since this window read it, by another program or another "
    "Sheetwise window.");
const QString kChangedOnDiskChoices = QStringLiteral(
    "Overwrite replaces those changes with the catalog shown here. Save As keeps them and saves "
    "this catalog under another name.");
const QString kReplaceExisting = QStringLiteral("%1 already exists.\nDo you want to replace it?");

QString Shown(const std::string& nativePath) {
    return QString::fromStdString(nativePath);
}

std::string LastComponent(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool MainDialog::ConfirmUnsavedChanges() {
    if (discardAccepted_ || !changes_.Any())
        return false;
    const BoxAnswer answer = Ask(kSaveChanges, BoxButtons::kYesNoCancel);
    if (answer == BoxAnswer::kCancel)
        return true;
    if (answer == BoxAnswer::kNo) {
        // Forgotten only when the command goes on to replace the catalog: one that stops before
        // (a cancelled file dialog) leaves the changes as they were.
        discardAccepted_ = true;
        return false;
    }
    // A save that is cancelled or fails stops the command: going on would lose the changes.
    const SaveResult saved = changes_.untitled
                                 ? SaveCatalogAs()
                                 : SaveOwnFiles(changes_.AnyPaper(), changes_.AnyAttribute());
    return saved != SaveResult::kSaved;
}

void MainDialog::NewCatalog() {
    discardAccepted_ = false;
    if (ConfirmUnsavedChanges())
        return;
    OpenDefaultCatalog();
}

void MainDialog::OpenCatalog() {
    activeList_ = 0;
    discardAccepted_ = false;
    if (ConfirmUnsavedChanges())
        return;
    const QString chosen = ChooseFile(kCatalogFilter, QStringLiteral("cat"), false);
    if (chosen.isEmpty())
        return;
    const std::u16string shownPath = workingPath_;
    workingPath_ = chosen.toStdU16String();
    if (!EnsureCompanionFiles()) {
        const QString details = DescribeCompanionFailure(workingPath_, defaultPath_);
        // The window keeps the catalog it shows, and the path it came from.
        workingPath_ = shownPath;
        ShowMessage(kErrorCaption, kCatalogFilesProblem, {}, details);
        return;
    }
    if (LoadCatalog() == 0) {
        if (PaperListView* list = paperList())
            list->DeleteAllItems();
        RefreshCatalogView();
        ShowCatalogPath();
        return;
    }
    ShowDefaultOpenedInstead(kDefaultOpenedCopy);
    if (!ConfirmUnsavedChanges())
        OpenDefaultCatalog();
}

void MainDialog::ImportCatalog() {
    discardAccepted_ = false;
    if (ConfirmUnsavedChanges())
        return;
    const QString chosen = ChooseFile(kImportFilter, QStringLiteral("ini"), false);
    if (chosen.isEmpty())
        return;
    const std::u16string importPath = chosen.toStdU16String();
    imported_ = std::make_unique<ImportedCatalog>(importPath);
    if (imported_->failed()) {
        ShowDefaultOpenedInstead(kDefaultOpenedCopy);
        OpenDefaultCatalog();
        return;
    }

    // The import is built on a fresh copy of the default catalog, whose sizes it keeps.
    OpenDefaultCatalog();
    if (PaperListView* list = paperList())
        list->DeleteAllItems();
    WindowImportTarget target(*this);
    PrepareImportTarget(target);
    MapImportedSizes(*imported_, target);
    int32_t papersRejected = 0;
    int32_t valuesRejected = 0;
    ImportRejections rejections;
    const int32_t papersAdded =
        AddImportedPapers(*imported_, target, papersRejected, &rejections.papers);
    const int32_t values =
        AddImportedAttributes(*imported_, target, valuesRejected, &rejections.values);
    if (papersAdded == 0 || values == 0) {
        ShowMessage(kErrorCaption, kImportFailed);
        ShowDefaultOpenedInstead(kImportDefaultOpenedCopy);
        OpenDefaultCatalog();
        return;
    }

    FillNameList(true);
    FillSizeList(true);
    TakeOverDefaultPaper(*imported_, target);
    FillPaperList();
    changes_.untitled = true;
    // The imported papers are on no disk yet: leaving them asks first.
    changes_.paperAdded = true;
    displayName_ = importPath;
    ShowCatalogPath();
    ReportImportFindings(rejections);
}

void MainDialog::ReportImportFindings(const ImportRejections& rejected) {
    if (imported_->colonsReplaced())
        ShowMessage(kWarningCaption, kColonsReplaced);
    if (imported_->defaultPaperFailed())
        ShowMessage(kWarningCaption, kDefaultPaperFailed);
    // One message for all definitions and values left out, listing each, rather than the same
    // message once for each of them.
    QStringList lines;
    for (const ImportedCatalog::DroppedDefinition& dropped : imported_->droppedDefinitions())
        lines << ToQString(dropped.key) + QStringLiteral(": ") + ToQString(dropped.name);
    for (const size_t paper : rejected.papers) {
        lines << ToQString(imported_->paperKeys()[paper]) + QStringLiteral(": ") +
                     ToQString(imported_->papers()[paper].name);
    }
    for (const auto& [kind, value] : rejected.values) {
        const int label = kind == kWeights ? kWeightLabel
                          : kind == kTypes ? kTypeLabel
                                           : kColourLabel;
        lines << Label(label) + u' ' + ToQString(value);
    }
    if (!lines.isEmpty())
        ShowMessage(kErrorCaption, kInvalidPaper, {}, lines.join(u'\n'));
}

void MainDialog::SaveCatalog() {
    if (changes_.untitled) {
        SaveCatalogAs();
        return;
    }
    // Both files are written whether or not anything changed; the window is not reloaded.
    SaveOwnFiles(true, true);
}

SaveResult MainDialog::SaveOwnFiles(bool papers, bool attributes) {
    std::u16string path;
    catalog_.GetPath(path);
    // Held from the check to the last rename, so that no other writer slips in between; let go
    // while the operator is asked, so that no other writer waits on the answer.
    std::optional<CatalogWriteLock> lock(std::in_place, ToNativePath(path));
    if (const std::optional<std::string> changed = ChangedOnDisk(path, papers, attributes)) {
        lock.reset();
        switch (Ask(kChangedOnDisk.arg(Shown(*changed)), BoxButtons::kOverwriteSaveAsCancel,
                    kChangedOnDiskChoices)) {
            case BoxAnswer::kYes:
                break;
            case BoxAnswer::kNo:
                return SaveCatalogAs();
            default:
                return SaveResult::kCancelled;
        }
    }
    return WriteOwnFiles(path, papers, attributes);
}

std::optional<std::string> MainDialog::ChangedOnDisk(const std::u16string& path, bool papers,
                                                     bool attributes) const {
    const struct {
        bool written;
        std::string file;
        const std::optional<FileIdentity>& whenRead;
    } files[] = {{papers, ToNativePath(path), catalogIdentity_},
                 {attributes, ToNativePath(CompanionAttributePath(path)), attributesIdentity_}};
    for (const auto& file : files) {
        const std::optional<FileIdentity> now = IdentifyFile(file.file);
        // A file that is gone holds nothing to lose.
        if (file.written && file.whenRead && now && *now != *file.whenRead)
            return file.file;
    }
    return std::nullopt;
}

SaveResult MainDialog::WriteOwnFiles(const std::u16string& path, bool papers, bool attributes) {
    const std::string catalogFile = ToNativePath(path);
    const std::string attributeFile = ToNativePath(CompanionAttributePath(path));
    // Both files go as one set: when either cannot be written, neither is.
    const CatalogSetResult written =
        papers && attributes ? SaveCatalogSet(catalog_, path)
        : papers
            ? (catalog_.Save(path) ? CatalogSetResult::kSaved : CatalogSetResult::kCatalogNotSaved)
        : attributes ? (catalog_.WriteAttributeFile(path) ? CatalogSetResult::kSaved
                                                          : CatalogSetResult::kAttributesNotSaved)
                     : CatalogSetResult::kSaved;
    if (written == CatalogSetResult::kCatalogNotSaved) {
        ShowMessage(kErrorCaption, kSaveCatalogFailed, {}, DescribeWriteFailure(catalogFile));
        return SaveCatalogAs();
    }
    if (written == CatalogSetResult::kAttributesNotSaved) {
        ShowMessage(kErrorCaption, kSaveAttributesFailed, {}, DescribeWriteFailure(attributeFile));
        return SaveCatalogAs();
    }
    if (papers)
        catalogIdentity_ = IdentifyFile(catalogFile);
    if (attributes)
        attributesIdentity_ = IdentifyFile(attributeFile);
    ClearChangeFlags(2);
    ClearChangeFlags(0);
    return SaveResult::kSaved;
}

SaveResult MainDialog::SaveCatalogAs() {
    const QString chosen = ChooseFile(kCatalogFilter, QStringLiteral("cat"), true);
    if (chosen.isEmpty() || !ConfirmReplaceOfCaseVariant(chosen.toStdU16String()))
        return SaveResult::kCancelled;
    const std::u16string newPath = chosen.toStdU16String();
    std::u16string oldPath;
    catalog_.GetPath(oldPath);
    if (!WriteCatalogAs(newPath))
        return SaveResult::kFailed;

    changes_.untitled = false;
    workingPath_ = newPath;
    CopySizeFileFrom(oldPath);
    EnsureCompanionFiles();
    if (LoadCatalog() > 0) {
        ShowDefaultOpenedInstead(kDefaultOpenedCopy);
        OpenDefaultCatalog();
        return SaveResult::kFailed;
    }
    if (PaperListView* list = paperList())
        list->DeleteAllItems();
    RefreshCatalogView();
    ShowCatalogPath();
    return SaveResult::kSaved;
}

bool MainDialog::WriteCatalogAs(const std::u16string& newPath) {
    const std::string target = ToNativePath(newPath);
    const std::string newAttributes = ToNativePath(CompanionAttributePath(newPath));
    const CatalogWriteLock lock(target);
    // Nothing is written, and no existing file emptied, unless both files can take the catalog.
    if (!CanReplaceFile(target)) {
        ShowSaveAsFailure(kSaveAsCatalogFailed, kSaveAsCatalogCopy, DescribeWriteFailure(target));
        return false;
    }
    if (!CanReplaceFile(newAttributes)) {
        ShowSaveAsFailure(kSaveAsAttributesFailed, kSaveAsAttributesCopy,
                          DescribeWriteFailure(newAttributes));
        return false;
    }
    // An attribute file already beside the new catalog is kept until the set replaces it; a
    // missing one starts as a copy of the current catalog's, as the command-line tool does.
    const CopyResult copied = CopyFileIfMissing(
        ToNativePath(CompanionAttributePath(catalog_.path())), newAttributes, true);
    if (copied == CopyResult::kFailed) {
        ShowSaveAsFailure(kSaveAsAttributesFailed, kSaveAsAttributesCopy,
                          DescribeWriteFailure(newAttributes));
        return false;
    }
    catalog_.SetPath(newPath);
    const CatalogSetResult written = SaveCatalogSet(catalog_, newPath);
    if (written == CatalogSetResult::kSaved)
        return true;
    // The copy made for this save is no companion of anything now.
    if (copied == CopyResult::kCopied)
        ::unlink(newAttributes.c_str());
    if (written == CatalogSetResult::kCatalogNotSaved)
        ShowSaveAsFailure(kSaveAsCatalogFailed, kSaveAsCatalogCopy, DescribeWriteFailure(target));
    else
        ShowSaveAsFailure(kSaveAsAttributesFailed, kSaveAsAttributesCopy,
                          DescribeWriteFailure(newAttributes));
    return false;
}

bool MainDialog::ConfirmReplaceOfCaseVariant(const std::u16string& chosen) {
    // The file dialog asks about an existing file of exactly the chosen name. Saving matches the
    // last component ignoring case, so "Plan.cat" would replace "Plan.CAT": ask about that one.
    const std::string resolved = ToNativePath(chosen);
    if (LastComponent(resolved) == LastComponent(QString::fromStdU16String(chosen).toStdString()) ||
        !FileExists(resolved)) {
        return true;
    }
    return Ask(kReplaceExisting.arg(Shown(resolved)), BoxButtons::kYesNo) == BoxAnswer::kYes;
}

void MainDialog::CopySizeFileFrom(const std::u16string& oldPath) {
    // The papers' size numbers point into the sizes they were read with: the new catalog gets
    // those, and the default catalog's only when there are none (EnsureCompanionFiles).
    const std::string sizes = ToNativePath(CompanionSizePath(workingPath_));
    const std::string current = ToNativePath(CompanionSizePath(oldPath));
    if (!FileExists(sizes) && FileExists(current))
        CopyFileNoOverwrite(current, sizes);
}

void MainDialog::ShowDefaultOpenedInstead(const QString& fixedCopy) {
    const QString details =
        catalog_.status() > 0 ? DescribeLoadFailure(workingPath_, catalog_.status()) : QString();
    if (!ShowMessage(kErrorCaption, kDefaultOpenedInstead, {}, details))
        ShowFixedError(fixedCopy, details);
}

void MainDialog::ShowSaveAsFailure(int messageId, const QString& fixedCopy,
                                   const QString& details) {
    if (!ShowMessage(kErrorCaption, messageId, {}, details))
        ShowFixedError(fixedCopy, details);
}

QString MainDialog::ChooseFile(int filterId, const QString& extension, bool save) {
    // The dialogs open where the catalog on screen lives (or the file it was imported from).
    const std::string shown = ToNativePath(changes_.untitled ? displayName_ : catalog_.path());
    const size_t slash = shown.rfind('/');
    const QString folder =
        slash == std::string::npos ? QString() : Shown(shown.substr(0, slash + 1));
    return ui_.ChooseFile(
        this, FileDialogRequest{QtFileFilter(Label(filterId)), extension, save, folder});
}

void MainDialog::ExitProgram(int commandId) {
    discardAccepted_ = false;
    if (ConfirmUnsavedChanges())
        return;
    CloseWindow(commandId);
}

}  // namespace sheetwise
