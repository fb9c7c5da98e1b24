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
#include "app/MainDialog.h"
#include "app/SaveTarget.h"
#include "app/WindowImportTarget.h"
#include "editor/PaperListView.h"
#include "files/ImportTransfer.h"
#include "files/ImportedCatalog.h"
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

}  // namespace

bool MainDialog::ConfirmUnsavedChanges() {
    // An imported catalog has no file to save into: it gets one first, without a question.
    // Whatever happens in the dialog, the command goes on.
    if (changes_.untitled) {
        SaveCatalogAs();
        return false;
    }
    if (!changes_.AnyAttribute() && !changes_.AnyPaper())
        return false;
    const BoxAnswer answer = Ask(kSaveChanges, BoxButtons::kYesNoCancel);
    if (answer == BoxAnswer::kCancel)
        return true;
    if (answer == BoxAnswer::kNo) {
        // The attribute flags stay: the catalog is about to be replaced anyway.
        ClearChangeFlags(2);
        return false;
    }
    std::u16string path;
    catalog_.GetPath(path);
    if (changes_.AnyPaper()) {
        if (catalog_.Save(path)) {
            ClearChangeFlags(2);
        } else {
            ShowMessage(kErrorCaption, kSaveCatalogFailed);
            SaveCatalogAs();
        }
    } else {
        ClearChangeFlags(2);
    }
    if (changes_.AnyAttribute()) {
        if (catalog_.WriteAttributeFile(path)) {
            ClearChangeFlags(0);
        } else {
            ShowMessage(kErrorCaption, kSaveAttributesFailed);
            SaveCatalogAs();
        }
    } else {
        ClearChangeFlags(2);
    }
    return false;
}

void MainDialog::NewCatalog() {
    if (ConfirmUnsavedChanges())
        return;
    // The default catalog is opened under its own path: a later Save writes the default catalog.
    OpenDefaultCatalog();
}

void MainDialog::OpenCatalog() {
    activeList_ = 0;
    if (ConfirmUnsavedChanges())
        return;
    const QString chosen = ui_.ChooseFile(
        this, FileDialogRequest{QtFileFilter(Label(kCatalogFilter)), QStringLiteral("cat"), false});
    if (chosen.isEmpty())
        return;
    workingPath_ = chosen.toStdU16String();
    if (!EnsureCompanionFiles()) {
        // The window keeps the catalog it shows.
        ShowMessage(kErrorCaption, kCatalogFilesProblem);
        return;
    }
    if (LoadCatalog() == 0) {
        if (PaperListView* list = paperList())
            list->DeleteAllItems();
        RefreshCatalogView();
        ShowCatalogPath();
        return;
    }
    if (!ShowMessage(kErrorCaption, kDefaultOpenedInstead))
        ShowFixedError(kDefaultOpenedCopy);
    if (!ConfirmUnsavedChanges())
        OpenDefaultCatalog();
}

void MainDialog::ImportCatalog() {
    if (ConfirmUnsavedChanges())
        return;
    const QString chosen = ui_.ChooseFile(
        this, FileDialogRequest{QtFileFilter(Label(kImportFilter)), QStringLiteral("ini"), false});
    if (chosen.isEmpty())
        return;
    displayName_ = chosen.toStdU16String();
    imported_ = std::make_unique<ImportedCatalog>(displayName_);
    if (imported_->failed()) {
        if (!ShowMessage(kErrorCaption, kDefaultOpenedInstead))
            ShowFixedError(kDefaultOpenedCopy);
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
    const int32_t papersAdded = AddImportedPapers(*imported_, target, papersRejected);
    const int32_t values = AddImportedAttributes(*imported_, target, valuesRejected);
    if (papersAdded == 0 || values == 0) {
        ShowMessage(kErrorCaption, kImportFailed);
        if (!ShowMessage(kErrorCaption, kDefaultOpenedInstead))
            ShowFixedError(kImportDefaultOpenedCopy);
        OpenDefaultCatalog();
        return;
    }

    FillNameList(true);
    FillSizeList(true);
    TakeOverDefaultPaper(*imported_, target);
    FillPaperList();
    changes_.untitled = true;
    ShowCatalogPath();

    if (imported_->colonsReplaced())
        ShowMessage(kWarningCaption, kColonsReplaced);
    if (imported_->defaultPaperFailed())
        ShowMessage(kWarningCaption, kDefaultPaperFailed);
    if (imported_->invalidValue() || imported_->missingField()) {
        for (int32_t i = 0; i < imported_->invalidPaperCount(); ++i)
            ShowMessage(kErrorCaption, kInvalidPaper);
    }
    for (int32_t i = 0; i < papersRejected + valuesRejected; ++i)
        ShowMessage(kErrorCaption, kInvalidPaper);
}

void MainDialog::SaveCatalog() {
    if (changes_.untitled) {
        SaveCatalogAs();
        return;
    }
    std::u16string path;
    catalog_.GetPath(path);
    // Both files are written whether or not anything changed; the window is not reloaded.
    if (!catalog_.Save(path)) {
        ShowMessage(kErrorCaption, kSaveCatalogFailed);
        SaveCatalogAs();
        return;
    }
    ClearChangeFlags(2);
    if (!catalog_.WriteAttributeFile(path)) {
        ShowMessage(kErrorCaption, kSaveAttributesFailed);
        SaveCatalogAs();
        return;
    }
    ClearChangeFlags(0);
}

void MainDialog::SaveCatalogAs() {
    const QString chosen = ui_.ChooseFile(
        this, FileDialogRequest{QtFileFilter(Label(kCatalogFilter)), QStringLiteral("cat"), true});
    if (chosen.isEmpty())
        return;
    const std::u16string newPath = chosen.toStdU16String();
    const std::string target = ToNativePath(newPath);

    // The chosen file must be able to take the catalog. It is never emptied: the catalog is
    // written beside it and takes its place only when complete.
    const SaveTargetResult prepared = PrepareSaveTarget(target);
    if (prepared == SaveTargetResult::kRefused) {
        if (!ShowMessage(kErrorCaption, kSaveAsCatalogFailed))
            ShowFixedError(kSaveAsCatalogCopy);
        return;
    }

    std::u16string oldPath;
    catalog_.GetPath(oldPath);
    catalog_.SetPath(newPath);
    if (!catalog_.Save(newPath)) {
        // The empty file made for the check is no catalog; one that was there keeps its bytes.
        if (prepared == SaveTargetResult::kCreated)
            ::unlink(target.c_str());
        if (!ShowMessage(kErrorCaption, kSaveAsCatalogFailed))
            ShowFixedError(kSaveAsCatalogCopy);
        return;
    }

    // An attribute file already beside the new catalog is kept until the lists replace it below.
    const std::string newAttributes = ToNativePath(CompanionAttributePath(newPath));
    if (!FileExists(newAttributes)) {
        if (!CopyFileNoOverwrite(ToNativePath(CompanionAttributePath(oldPath)), newAttributes)) {
            if (!ShowMessage(kErrorCaption, kSaveAsAttributesFailed))
                ShowFixedError(kSaveAsAttributesCopy);
            return;
        }
        // A copy of an installed, read-only attribute file must still be saveable.
        MakeOwnerWritable(newAttributes);
    }
    if (!catalog_.WriteAttributeFile(newPath)) {
        if (!ShowMessage(kErrorCaption, kSaveAsAttributesFailed))
            ShowFixedError(kSaveAsAttributesCopy);
    }

    changes_.untitled = false;
    workingPath_ = newPath;
    // Brings the default catalog's size definitions next to the new catalog when it has none.
    EnsureCompanionFiles();
    if (LoadCatalog() > 0) {
        if (!ShowMessage(kErrorCaption, kDefaultOpenedInstead))
            ShowFixedError(kDefaultOpenedCopy);
        OpenDefaultCatalog();
    }
    if (PaperListView* list = paperList())
        list->DeleteAllItems();
    RefreshCatalogView();
    ShowCatalogPath();
}

void MainDialog::ExitProgram(int commandId) {
    if (ConfirmUnsavedChanges())
        return;
    CloseWindow(commandId);
}

}  // namespace sheetwise
