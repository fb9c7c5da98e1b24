// The catalog being edited, with everything the editor knows about it besides its papers: the
// file it lives in, whether it has one of its own (untitled), what changed since it was read or
// saved, and what its files looked like then. The window shows a document and asks the operator;
// the document decides what a file command does to the files, so that those rules are the same
// whatever asks, and can be tested without a window.
//
// A document never writes a file it did not read whole: a catalog that could not be read, and
// one built from the installed default catalog, is untitled, so that only Save As writes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/CatalogSet.h"
#include "model/PaperCatalog.h"
#include "platform/FileIdentity.h"

namespace sheetwise {

// What was changed since the catalog was read or saved.
struct ChangeFlags {
    // Group 0: the attribute lists.
    bool colours = false, types = false, weights = false;
    // Group 2: the papers, and the untitled flag.
    bool paperAdded = false, paperChanged = false, paperDeleted = false, papersReordered = false;
    // No file of its own to save into (an import, a catalog built from the installed default,
    // one that could not be read whole): Save goes to Save As.
    bool untitled = false;

    bool& Attribute(int32_t kind) {
        return kind == kWeights ? weights : kind == kTypes ? types : colours;
    }
    bool AnyAttribute() const { return colours || types || weights; }
    bool AnyPaper() const { return paperAdded || paperChanged || paperDeleted || papersReordered; }
    bool Any() const { return AnyAttribute() || AnyPaper(); }
    void ClearAttributes() { colours = types = weights = false; }
    void ClearPapers() {
        paperAdded = paperChanged = paperDeleted = papersReordered = untitled = false;
    }
};

enum class SaveAsResult {
    kSaved,
    kCatalogNotSaved,     // the new catalog file cannot be written; nothing was written
    kAttributesNotSaved,  // its attribute file cannot be written or made; nothing was written
};

class CatalogDocument {
  public:
    explicit CatalogDocument(std::u16string defaultPath = {});

    PaperCatalog& catalog() { return catalog_; }
    const PaperCatalog& catalog() const { return catalog_; }
    ChangeFlags& changes() { return changes_; }
    const ChangeFlags& changes() const { return changes_; }
    const std::u16string& path() const { return catalog_.path(); }
    // The installed default catalog, which new and imported catalogs start from.
    const std::u16string& defaultPath() const { return defaultPath_; }
    void SetDefaultPath(std::u16string path) { defaultPath_ = std::move(path); }
    // What to call an untitled catalog: the file it was built from.
    const std::u16string& displayName() const { return displayName_; }
    // The file the document stands for: its own, or for an untitled one what it came from.
    const std::u16string& shownPath() const { return changes_.untitled ? displayName_ : path(); }

    // Copies the default catalog's attribute and size files beside the catalog at path where
    // it has none. False when the catalog file does not exist or a companion cannot be made.
    bool EnsureCompanions(const std::u16string& path) const;

    // Reads the catalog at path with its companions. On a status above 0 the document holds
    // what could be read, untitled and unchanged, so that nothing is saved over that file.
    int32_t Load(const std::u16string& path);
    // Reads the installed default catalog as the start of a new one: untitled when read.
    int32_t LoadTemplate();
    // The papers of an import file went in: untitled, and unsaved until saved under a name.
    void MarkImported(std::u16string source);

    // The unsaved-changes question guards every command that would replace the catalog. A
    // command starts afresh; "No" lets it drop the changes, which stay until it does replace the
    // catalog, so that a command which stops before (a cancelled file dialog) loses nothing.
    void BeginCommand() { discardAccepted_ = false; }
    bool MustAskBeforeReplacing() const { return !discardAccepted_ && changes_.Any(); }
    void AcceptDiscard() { discardAccepted_ = true; }

    // The first file of the catalog's own that a save would write and that another program
    // changed (or replaced) since this document read or saved it; nothing when none did.
    std::optional<std::string> ChangedOnDisk(bool papers, bool attributes) const;
    // Writes the catalog file, the attribute file or both (as one set) at the catalog's path and
    // clears the change flags when done. The catalog's status tells why a write failed.
    CatalogSetResult SaveOwnFiles(bool papers, bool attributes);
    // Writes both files under a new name as one set, after a copy of the current attribute file
    // where the new name has none, and brings the current catalog's size file along (the
    // default catalog's only when the current one has none). The document then holds newPath,
    // titled. On a failure nothing is written and the document stays as it was.
    SaveAsResult SaveAs(const std::u16string& newPath);

  private:
    void RememberFiles(bool catalog, bool attributes);
    void CopySizeFile(const std::u16string& from, const std::u16string& to) const;

    std::u16string defaultPath_;
    PaperCatalog catalog_;
    ChangeFlags changes_;
    std::u16string displayName_;
    std::optional<FileIdentity> catalogFile_;
    std::optional<FileIdentity> attributeFile_;
    bool discardAccepted_ = false;
};

}  // namespace sheetwise
