// The catalog being edited, with everything the editor knows about it besides its papers: the
// file it lives in, whether it has one of its own (untitled), its undo history and which of its
// states the files hold, and what its files looked like when read or saved. The document decides
// what a file command does to the files, so that those rules are the same whatever asks.
//
// A document never writes a file it did not read whole: a catalog that could not be read, and
// one built from the installed default catalog, is untitled, so that only Save As writes it.
// While it is edited, its catalog changes only through an Edit, one step of the history.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/CatalogSet.h"
#include "model/EditHistory.h"
#include "model/PaperCatalog.h"
#include "platform/FileIdentity.h"

namespace sheetwise {

enum class SaveAsResult {
    kSaved,
    kCatalogNotSaved,     // the new catalog file cannot be written; nothing was written
    kAttributesNotSaved,  // its attribute file cannot be written or made; nothing was written
};

class CatalogDocument {
  public:
    class Edit;

    explicit CatalogDocument(std::u16string defaultPath = {});

    const PaperCatalog& catalog() const { return catalog_; }
    // Grows with every change of the catalog held (an edit, undo, redo, another catalog), so that
    // a view can tell whether it shows the catalog as it is.
    uint64_t revision() const { return revision_; }
    const std::u16string& path() const { return catalog_.path(); }
    // The installed default catalog, which new and imported catalogs start from.
    const std::u16string& defaultPath() const { return defaultPath_; }
    void SetDefaultPath(std::u16string path) { defaultPath_ = std::move(path); }
    // No file of its own to save into (an import, a catalog built from the installed default,
    // one that could not be read whole): Save goes to Save As.
    bool untitled() const { return untitled_; }
    // What to call an untitled catalog: the file it was built from.
    const std::u16string& displayName() const { return displayName_; }
    // The file the document stands for: its own, or for an untitled one what it came from.
    const std::u16string& shownPath() const { return untitled_ ? displayName_ : path(); }

    // Whether a save would write the catalog file, or the attribute file, differently from what
    // the files hold (for an import: from anything on disk).
    bool CatalogFileUnsaved() const { return history_.CatalogFileDiffers(); }
    bool AttributeFileUnsaved() const { return history_.AttributeFileDiffers(); }
    bool Unsaved() const { return CatalogFileUnsaved() || AttributeFileUnsaved(); }

    // Copies the default catalog's attribute and size files beside the catalog at path where
    // it has none. False when the catalog file does not exist or a companion cannot be made.
    bool EnsureCompanions(const std::u16string& path) const;

    // Reads the catalog at path with its companions, starting a new history. On a status above
    // 0 the document holds what could be read, untitled and unchanged, so that nothing is saved
    // over that file.
    int32_t Load(const std::u16string& path);
    // Reads the installed default catalog as the start of a new one: untitled when read.
    int32_t LoadTemplate();
    // A catalog built from an import file replaces the one held: untitled, with a new history
    // in which every state is unsaved until it is saved under a name.
    void TakeImported(PaperCatalog catalog, std::u16string source);

    // The unsaved-changes question guards every command that would replace the catalog. A
    // command starts afresh; "No" lets it drop the changes, which stay until it does replace the
    // catalog, so that a command which stops before (a cancelled file dialog) loses nothing.
    void BeginCommand() { discardAccepted_ = false; }
    bool MustAskBeforeReplacing() const { return !discardAccepted_ && Unsaved(); }
    void AcceptDiscard() { discardAccepted_ = true; }

    // The first file of the catalog's own that a save would write and that another program
    // changed (or replaced) since this document read or saved it; nothing when none did.
    std::optional<std::string> ChangedOnDisk(bool papers, bool attributes) const;
    // Writes the catalog file, the attribute file or both (as one set) at the catalog's path.
    // Once every file that differed is written, the current state is the saved one. The
    // catalog's status tells why a write failed.
    CatalogSetResult SaveOwnFiles(bool papers, bool attributes);
    // Writes both files under a new name as one set, after a copy of the current attribute file
    // where the new name has none, and brings the current catalog's size file along (the
    // default catalog's only when the current one has none). The document then holds newPath,
    // titled and saved. On a failure nothing is written and the document stays as it was.
    SaveAsResult SaveAs(const std::u16string& newPath);

    // The undo history. Undo and Redo take back or make again one step and return it (nullptr
    // when there is none).
    const EditHistory& history() const { return history_; }
    const EditStep* Undo();
    const EditStep* Redo();
    // The catalog as it stands counts as the one read: nothing to undo, nothing unsaved. For
    // what showing a catalog adds to it (values its papers use that its lists lack).
    void SettleHistory() { history_.Reset(); }

  private:
    void Replace(PaperCatalog catalog);
    void RememberFiles(bool catalog, bool attributes);
    void CopySizeFile(const std::u16string& from, const std::u16string& to) const;

    std::u16string defaultPath_;
    PaperCatalog catalog_;
    uint64_t revision_ = 0;
    EditHistory history_;
    bool untitled_ = true;  // until a catalog is read from a file
    std::u16string displayName_;
    std::optional<FileIdentity> catalogFile_;
    std::optional<FileIdentity> attributeFile_;
    bool discardAccepted_ = false;
};

// The changes of one command, made on the document's catalog as they are recorded. Committed,
// they become one step of the history; an edit destroyed without a commit is taken back whole.
class CatalogDocument::Edit {
  public:
    Edit(CatalogDocument& document, EditAction action, std::u16string subject,
         int32_t selectedBefore);
    ~Edit();
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;

    const PaperCatalog& catalog() const { return document_.catalog_; }
    void Make(CatalogChange change);
    bool empty() const { return step_.changes.empty(); }
    // Records the step, unless nothing changed.
    void Commit(int32_t selectedAfter);

  private:
    CatalogDocument& document_;
    EditStep step_;
    bool committed_ = false;
};

}  // namespace sheetwise
