#include "model/CatalogDocument.h"

#include <unistd.h>

#include "formats/TextLines.h"
#include "model/CompanionFiles.h"
#include "platform/AtomicFile.h"
#include "platform/CatalogWriteLock.h"
#include "platform/FileFailure.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {

CatalogDocument::CatalogDocument(std::u16string defaultPath)
    : defaultPath_(std::move(defaultPath)), catalog_(PaperCatalog::Unread()) {}

bool CatalogDocument::EnsureCompanions(const std::u16string& path) const {
    ClearFileFailure();
    if (path.empty() || !IsRegularFile(ToNativePath(path)))
        return false;
    // Without a default catalog there is nothing to make companions from.
    if (defaultPath_.empty())
        return FileExists(ToNativePath(CompanionAttributePath(path))) &&
               FileExists(ToNativePath(CompanionSizePath(path)));
    // The copy of an installed, read-only default must still be saveable. A companion another
    // editor makes meanwhile is as good as our copy.
    if (CopyFileIfMissing(ToNativePath(CompanionAttributePath(defaultPath_)),
                          ToNativePath(CompanionAttributePath(path)),
                          true) == CopyResult::kFailed) {
        return false;
    }
    return CopyFileIfMissing(ToNativePath(CompanionSizePath(defaultPath_)),
                             ToNativePath(CompanionSizePath(path)), false) != CopyResult::kFailed;
}

int32_t CatalogDocument::Load(const std::u16string& path) {
    ClearFileFailure();
    std::u16string header;
    int error = 0;
    ReadLeadingField(path, header, error);
    // Taken before reading: a change made while the files are read still counts as a change.
    const auto catalogFile = IdentifyFile(ToNativePath(path));
    const auto attributeFile = IdentifyFile(ToNativePath(CompanionAttributePath(path)));
    Replace(PaperCatalog(header, path, kBuiltInColours, kBuiltInTypes, u':'));
    untitled_ = false;
    if (catalog_.status() == 0) {
        catalogFile_ = catalogFile;
        attributeFile_ = attributeFile;
        return 0;
    }
    // What the document holds is not the catalog on disk (at best a part of it).
    catalogFile_.reset();
    attributeFile_.reset();
    untitled_ = true;
    displayName_ = path;
    return catalog_.status();
}

int32_t CatalogDocument::LoadTemplate() {
    const int32_t status = Load(defaultPath_);
    // The installed default catalog is only ever read: what starts from it is saved under a
    // name of its own, so that every later New and Import still finds the original.
    untitled_ = true;
    displayName_ = defaultPath_;
    return status;
}

void CatalogDocument::TakeImported(PaperCatalog catalog, std::u16string source) {
    Replace(std::move(catalog));
    history_.ForgetSaved();
    untitled_ = true;
    displayName_ = std::move(source);
    catalogFile_.reset();
    attributeFile_.reset();
}

void CatalogDocument::Replace(PaperCatalog catalog) {
    catalog_ = std::move(catalog);
    ++revision_;
    history_.Reset();
}

std::optional<std::string> CatalogDocument::ChangedOnDisk(bool papers, bool attributes) const {
    const struct {
        bool written;
        std::string file;
        const std::optional<FileIdentity>& whenRead;
    } files[] = {{papers, ToNativePath(path()), catalogFile_},
                 {attributes, ToNativePath(CompanionAttributePath(path())), attributeFile_}};
    for (const auto& file : files) {
        const std::optional<FileIdentity> now = IdentifyFile(file.file);
        // A file that is gone holds nothing to lose.
        if (file.written && file.whenRead && now && *now != *file.whenRead)
            return file.file;
    }
    return std::nullopt;
}

CatalogSetResult CatalogDocument::SaveOwnFiles(bool papers, bool attributes) {
    ClearFileFailure();
    const std::u16string target = path();
    CatalogSetResult written = CatalogSetResult::kSaved;
    if (papers && attributes)
        written = SaveCatalogSet(catalog_, target);
    else if (papers && !catalog_.Save(target))
        written = CatalogSetResult::kCatalogNotSaved;
    else if (attributes && !catalog_.WriteAttributeFile(target))
        written = CatalogSetResult::kAttributesNotSaved;
    if (written != CatalogSetResult::kSaved)
        return written;
    RememberFiles(papers, attributes);
    if ((papers || !CatalogFileUnsaved()) && (attributes || !AttributeFileUnsaved()))
        history_.MarkSaved();
    return written;
}

SaveAsResult CatalogDocument::SaveAs(const std::u16string& newPath) {
    ClearFileFailure();
    const std::string target = ToNativePath(newPath);
    const std::string newAttributes = ToNativePath(CompanionAttributePath(newPath));
    // One writer at a time from the copy to the last rename; the set itself writes nothing,
    // and empties no existing file, unless both files can take the catalog.
    const CatalogWriteLock lock(target);
    // A folder or file that cannot take the catalog is named as such, before any copy is made.
    if (!CanReplaceFile(target))
        return SaveAsResult::kCatalogNotSaved;
    const std::u16string oldPath = path();
    // An attribute file already beside the new catalog is kept until the set replaces it; a
    // missing one starts as a copy of the current catalog's, as the command-line tool does.
    const CopyResult copied =
        CopyFileIfMissing(ToNativePath(CompanionAttributePath(oldPath)), newAttributes, true);
    if (copied == CopyResult::kFailed)
        return SaveAsResult::kAttributesNotSaved;
    catalog_.SetPath(newPath);
    const CatalogSetResult written = SaveCatalogSet(catalog_, newPath);
    if (written != CatalogSetResult::kSaved) {
        // A Save As that failed leaves the document as it was, its own file included; the copy
        // made for this save is no companion of anything now.
        catalog_.SetPath(oldPath);
        if (copied == CopyResult::kCopied)
            ::unlink(newAttributes.c_str());
        return written == CatalogSetResult::kCatalogNotSaved ? SaveAsResult::kCatalogNotSaved
                                                             : SaveAsResult::kAttributesNotSaved;
    }
    CopySizeFile(oldPath, newPath);
    RememberFiles(true, true);
    untitled_ = false;
    history_.MarkSaved();
    return SaveAsResult::kSaved;
}

void CatalogDocument::RememberFiles(bool catalog, bool attributes) {
    if (catalog)
        catalogFile_ = IdentifyFile(ToNativePath(path()));
    if (attributes)
        attributeFile_ = IdentifyFile(ToNativePath(CompanionAttributePath(path())));
}

void CatalogDocument::CopySizeFile(const std::u16string& from, const std::u16string& to) const {
    // The papers' size numbers point into the sizes they were read with: the new catalog gets
    // those, and the default catalog's only when there are none.
    const std::string sizes = ToNativePath(CompanionSizePath(to));
    for (const std::u16string& source : {from, defaultPath_}) {
        if (FileExists(sizes))
            return;
        if (source.empty())
            continue;
        const std::string file = ToNativePath(CompanionSizePath(source));
        if (FileExists(file))
            CopyFileIfMissing(file, sizes, false);
    }
}

const EditStep* CatalogDocument::Undo() {
    const EditStep* step = history_.UndoStep();
    if (step == nullptr)
        return nullptr;
    for (auto change = step->changes.rbegin(); change != step->changes.rend(); ++change)
        RevertChange(catalog_, *change);
    ++revision_;
    history_.StepBack();
    return step;
}

const EditStep* CatalogDocument::Redo() {
    const EditStep* step = history_.RedoStep();
    if (step == nullptr)
        return nullptr;
    for (const CatalogChange& change : step->changes)
        ApplyChange(catalog_, change);
    ++revision_;
    history_.StepForward();
    return step;
}

CatalogDocument::Edit::Edit(CatalogDocument& document, EditAction action, std::u16string subject,
                            int32_t selectedBefore)
    : document_(document) {
    step_.action = action;
    step_.subject = std::move(subject);
    step_.selectedBefore = selectedBefore;
}

CatalogDocument::Edit::~Edit() {
    if (committed_)
        return;
    for (auto change = step_.changes.rbegin(); change != step_.changes.rend(); ++change)
        RevertChange(document_.catalog_, *change);
    ++document_.revision_;
}

void CatalogDocument::Edit::Make(CatalogChange change) {
    ApplyChange(document_.catalog_, change);
    ++document_.revision_;
    step_.changes.push_back(std::move(change));
}

void CatalogDocument::Edit::Commit(int32_t selectedAfter) {
    committed_ = true;
    if (step_.changes.empty())
        return;
    step_.selectedAfter = selectedAfter;
    document_.history_.Push(std::move(step_));
}

}  // namespace sheetwise
