// The File menu: New, Open, Import, Save, Save As and Exit, and the question that guards every
// command which would abandon unsaved changes.
//
// A catalog always lives in a .cat file with two companions, the attribute file (".atr" after the
// full name) and the size-definition file. Open creates missing companions from the default
// catalog's; Save writes the catalog and the attribute file, never the sizes. What the files may
// be written with is the document's rule (CatalogDocument); the commands here ask the operator
// and show the result. A catalog without a file of its own (an import, one built from the default
// catalog, one not read whole) is saved only through Save As, and no command leaves unsaved work
// behind without asking: a save that the question started and that fails or is cancelled stops
// the command.
#include <unistd.h>

#include <QString>

#include "import/ImportCatalogTarget.h"
#include "import/ImportTransfer.h"
#include "import/ImportedCatalog.h"
#include "model/CatalogSet.h"
#include "platform/CatalogWriteLock.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"
#include "ui/resources/QtText.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/CatalogLocation.h"
#include "ui/window/FileDialogFilter.h"
#include "ui/window/FileProblems.h"
#include "ui/window/MainDialog.h"
#include "ui/window/MessageIds.h"

namespace sheetwise {
namespace {

constexpr int kCatalogFilter = 7002;
constexpr int kImportFilter = 7016;

// The column labels that name a rejected value's kind.
constexpr int kColourLabel = 10097;
constexpr int kWeightLabel = 10098;
constexpr int kTypeLabel = 10099;

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

}  // namespace

bool MainDialog::ConfirmUnsavedChanges() {
    if (!document_.MustAskBeforeReplacing())
        return false;
    const BoxAnswer answer = Ask(message::kSaveChanges, BoxButtons::kYesNoCancel);
    if (answer == BoxAnswer::kCancel)
        return true;
    if (answer == BoxAnswer::kNo) {
        document_.AcceptDiscard();
        return false;
    }
    // A save that is cancelled or fails stops the command: going on would lose the changes.
    const SaveResult saved = changes_.untitled
                                 ? SaveCatalogAs()
                                 : SaveOwnFiles(changes_.AnyPaper(), changes_.AnyAttribute());
    return saved != SaveResult::kSaved;
}

void MainDialog::NewCatalog() {
    document_.BeginCommand();
    if (ConfirmUnsavedChanges())
        return;
    OpenDefaultCatalog();
}

void MainDialog::OpenCatalog() {
    activeList_ = 0;
    document_.BeginCommand();
    if (ConfirmUnsavedChanges())
        return;
    const QString chosen = ChooseFile(kCatalogFilter, QStringLiteral("cat"), false);
    if (chosen.isEmpty())
        return;
    const std::u16string shownPath = workingPath_;
    workingPath_ = chosen.toStdU16String();
    if (!EnsureCompanionFiles()) {
        const QString details = DescribeCompanionFailure(workingPath_, document_.defaultPath());
        // The window keeps the catalog it shows, and the path it came from.
        workingPath_ = shownPath;
        ShowMessage(message::kError, message::kCatalogFilesProblem, {}, details);
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
    document_.BeginCommand();
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
    // The same target as the command-line tool's, so both make the same catalog; the window
    // then shows what it made.
    CatalogImportTarget target(catalog_, decimalSeparator_.toStdU16String());
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
        ShowMessage(message::kError, message::kImportFailed);
        ShowDefaultOpenedInstead(kImportDefaultOpenedCopy);
        OpenDefaultCatalog();
        return;
    }

    working_ = WorkingAttributeLists{target.WorkingList(kWeights), target.WorkingList(kTypes),
                                     target.WorkingList(kColours)};
    FillAttributeListBoxes();
    FillNameList(true);
    FillSizeList(true);
    TakeOverDefaultPaper(*imported_, target);
    FillPaperList();
    document_.MarkImported(importPath);
    ShowCatalogPath();
    ReportImportFindings(rejections);
}

void MainDialog::ReportImportFindings(const ImportRejections& rejected) {
    if (imported_->colonsReplaced())
        ShowMessage(message::kWarning, message::kColonsReplaced);
    if (imported_->defaultPaperFailed())
        ShowMessage(message::kWarning, message::kDefaultPaperFailed);
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
        ShowMessage(message::kError, message::kInvalidPaper, {}, lines.join(u'\n'));
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
    // Held from the check to the last rename, so that no other writer slips in between; let go
    // while the operator is asked, so that no other writer waits on the answer.
    std::optional<CatalogWriteLock> lock(std::in_place, ToNativePath(document_.path()));
    if (const std::optional<std::string> changed = document_.ChangedOnDisk(papers, attributes)) {
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
    return WriteOwnFiles(papers, attributes);
}

SaveResult MainDialog::WriteOwnFiles(bool papers, bool attributes) {
    switch (document_.SaveOwnFiles(papers, attributes)) {
        case CatalogSetResult::kSaved:
            return SaveResult::kSaved;
        case CatalogSetResult::kCatalogNotSaved:
            ShowMessage(message::kError, message::kSaveCatalogFailed, {},
                        DescribeWriteFailure(ToNativePath(document_.path())));
            break;
        case CatalogSetResult::kAttributesNotSaved:
            ShowMessage(
                message::kError, message::kSaveAttributesFailed, {},
                DescribeWriteFailure(ToNativePath(CompanionAttributePath(document_.path()))));
            break;
    }
    return SaveCatalogAs();
}

SaveResult MainDialog::SaveCatalogAs() {
    const QString chosen = ChooseFile(kCatalogFilter, QStringLiteral("cat"), true);
    if (chosen.isEmpty() || !ConfirmReplaceOfCaseVariant(chosen.toStdU16String()))
        return SaveResult::kCancelled;
    const std::u16string newPath = chosen.toStdU16String();
    switch (document_.SaveAs(newPath)) {
        case SaveAsResult::kSaved:
            break;
        case SaveAsResult::kCatalogNotSaved:
            ShowSaveAsFailure(message::kSaveAsCatalogFailed, kSaveAsCatalogCopy,
                              DescribeWriteFailure(ToNativePath(newPath)));
            return SaveResult::kFailed;
        case SaveAsResult::kAttributesNotSaved:
            ShowSaveAsFailure(message::kSaveAsAttributesFailed, kSaveAsAttributesCopy,
                              DescribeWriteFailure(ToNativePath(CompanionAttributePath(newPath))));
            return SaveResult::kFailed;
    }
    // The window shows the new catalog as read back from its files.
    workingPath_ = newPath;
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

bool MainDialog::ConfirmReplaceOfCaseVariant(const std::u16string& chosen) {
    // The file dialog asks about an existing file of exactly the chosen name. Saving matches the
    // last component ignoring case, so "Plan.cat" would replace "Plan.CAT": ask about that one.
    const std::string resolved = ToNativePath(chosen);
    if (NameOf(resolved) == NameOf(QString::fromStdU16String(chosen).toStdString()) ||
        !FileExists(resolved)) {
        return true;
    }
    return Ask(kReplaceExisting.arg(Shown(resolved)), BoxButtons::kYesNo) == BoxAnswer::kYes;
}

void MainDialog::ShowDefaultOpenedInstead(const QString& fixedCopy) {
    const QString details =
        catalog_.status() > 0 ? DescribeLoadFailure(workingPath_, catalog_.status()) : QString();
    if (!ShowMessage(message::kError, message::kDefaultOpenedInstead, {}, details))
        ShowFixedError(fixedCopy, details);
}

void MainDialog::ShowSaveAsFailure(int messageId, const QString& fixedCopy,
                                   const QString& details) {
    if (!ShowMessage(message::kError, messageId, {}, details))
        ShowFixedError(fixedCopy, details);
}

QString MainDialog::ChooseFile(int filterId, const QString& extension, bool save) {
    // The dialogs open where the catalog on screen lives (or the file it was imported from).
    const std::string shown = ToNativePath(document_.shownPath());
    const size_t slash = shown.rfind('/');
    const QString folder =
        slash == std::string::npos ? QString() : Shown(shown.substr(0, slash + 1));
    return ui_.ChooseFile(
        this, FileDialogRequest{QtFileFilter(Label(filterId)), extension, save, folder});
}

void MainDialog::ExitProgram(int commandId) {
    document_.BeginCommand();
    if (ConfirmUnsavedChanges())
        return;
    CloseWindow(commandId);
}

}  // namespace sheetwise
