// One editing session on a catalog: everything an editing window holds apart from its widgets.
//
// The session holds the document (the catalog, its files and its history), the paper shown, the
// values held for the editing fields and which of them the operator changed, and it runs every
// command of the editing panel and of the File menu as one call. The window builds the controls,
// passes on what the operator does and renders the session; sheetwise-cli drives the same session
// from its arguments. Whatever a command has to say or ask goes through SessionPrompts, so that
// the rules and their messages are the same for both and are tested without either.
//
// Every change a command makes to the catalog is one step of the document's history: undo and
// redo take the catalog, and the paper shown, back and forth exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/CatalogDocument.h"
#include "model/PaperCatalog.h"
#include "model/SizeList.h"

namespace sheetwise {

// What the editing fields take from the keyboard, counted in bytes of the form the catalog file
// stores a text in. A longer text arriving otherwise (pasted, or read from a file) is kept, with
// a beep.
inline constexpr int kNameFieldLimit = 31;
inline constexpr int kColourFieldLimit = 19;
inline constexpr int kTypeFieldLimit = 19;
inline constexpr int kWeightFieldLimit = 3;

// The values of the editing fields, which Add and Modify send to the catalog.
struct PaperFields {
    std::u16string name;
    int32_t sizeIndex = 0;
    std::u16string sizeText;
    int32_t weight = 0;  // 0 = "*", -1 = the field is empty
    std::u16string colour;
    std::u16string type;
    int32_t mode = kTwoSided;
    int32_t precollated = 0;

    bool operator==(const PaperFields&) const = default;
};

// Which fields the operator changed since a paper was shown.
struct FieldChangeFlags {
    bool name = false, weight = false, colour = false, type = false, mode = false,
         precollated = false;

    bool operator==(const FieldChangeFlags&) const = default;
};

// How an editing command ended. Anything but kDone and kIgnored was refused, and told.
enum class EditOutcome {
    kDone,
    kIgnored,              // nothing to do and nothing to say
    kNothingChanged,       // Add without anything new
    kWeightOutOfRange,     // the held weight went back to the paper's
    kNameInUse,            // Add of a name the catalog holds
    kInvalidPaper,         // Add with an empty name, colour, type or weight
    kInvalidModify,        // Modify with an empty colour, type or weight
    kModifyFailed,         // the catalog refused the change
    kNoPaper,              // Modify of a catalog without papers
    kDefaultNotDeletable,  // Delete of the default paper
    kLastPaper,            // Delete of the only paper
    kSelectPaperFirst,     // Delete without a paper shown
    kNotConfirmed,         // the operator said No
    kDeleteFailed,
    kDefaultFailed,  // the default paper could not be set
    kKeepDefault,    // the default box was cleared: there is always a default paper
    kMoveFailed,     // a move the catalog cannot make, or of another paper than the one shown
    kWildcardNotDeletable,
    kValueInUse,   // a paper uses the offered value
    kInvalidName,  // a new name that is empty or holds a character a name may not hold
};

// How a typed or pasted text was taken into a field's held value.
enum class FieldEdit {
    kTaken,
    kRefused,  // a character a catalog cannot hold: the field goes back to the held value
    kTooLong,  // taken, but longer than the field takes from the keyboard: beep
};

// How a save that a command started ended: a command waiting on it goes on only when saved.
enum class SaveResult { kSaved, kCancelled, kFailed };

// What a session tells and asks.
struct Notice {
    int caption = 0;      // the string-table id of the box's caption: Error or Warning
    int message = 0;      // the string-table id of the text
    std::string details;  // below the text: which file and why, which papers; may be empty
    // The English text to show instead when the string table lacks the message, for the few
    // messages that must reach the operator whatever the table holds; otherwise empty.
    std::string fallback;
};

enum class Answer { kYes, kNo, kCancel };

struct Question {
    enum class Kind {
        kSaveChanges,       // Yes, No or Cancel; subject: the catalog
        kOverwriteChanged,  // Yes: overwrite, No: Save As instead, Cancel; subject: the file
        kReplaceExisting,   // Yes or No; subject: the file another letter case would replace
        kDeletePaper,       // Yes or No; subject: the paper
        kDeleteValue,       // Yes or No; subject: the value
    };
    Kind kind = Kind::kSaveChanges;
    int message = 0;  // the string-table id of the question, where it has one
    std::string subject;
};

enum class FileChoice { kOpenCatalog, kImportFile, kSaveCatalogAs };

class SessionPrompts {
  public:
    virtual ~SessionPrompts() = default;
    virtual void Tell(const Notice& notice) = 0;
    virtual Answer Ask(const Question& question) = 0;
    // The file chosen, or nothing when the choice was cancelled. folder: where to start looking.
    virtual std::optional<std::u16string> ChooseFile(FileChoice choice,
                                                     const std::string& folder) = 0;
};

class EditingSession {
  public:
    // decimalSeparator: the locale's, with which sizes are shown and imported sizes matched.
    explicit EditingSession(std::u16string decimalSeparator = u".");

    const CatalogDocument& document() const { return document_; }
    const PaperCatalog& catalog() const { return document_.catalog(); }
    const std::u16string& decimalSeparator() const { return decimalSeparator_; }
    const PaperFields& fields() const { return fields_; }
    const FieldChangeFlags& changed() const { return changed_; }
    // The paper shown in the fields, as a catalog index.
    int32_t selected() const { return selected_; }
    // Whether the paper shown is the default paper.
    bool ShownIsDefault() const;
    // Whether Modify has something to do: a value held for the paper shown differs from it.
    bool HasModification() const;
    // The command Enter in a field calls for: Add when a new name was typed, Modify when values
    // of the paper shown were changed, else none.
    enum class Evident { kNone, kAdd, kModify };
    Evident EnterCommand() const;

    // A size's text as the sizes list shows it, and a paper's as the paper list shows it.
    std::u16string SizeText(int32_t sizeIndex) const;
    std::u16string PaperSizeText(const PaperDefinition& paper) const;
    // The weight field's text for the weight held: "*" for 0, nothing for an empty field.
    std::u16string WeightFieldText() const;
    // The sizes list: each size text once.
    std::vector<SizeListItem> SizeItems() const;
    // Where a file choice starts: the folder of the catalog shown (or of its source). For Save
    // As, nothing (the user's documents folder) when that folder takes no file of the user's or
    // is the installed default catalog's, which is only ever read.
    std::string ChoiceFolder(FileChoice choice = FileChoice::kOpenCatalog) const;

    // Start-up: which catalog is the installation's default, for the program at
    // executablePath named programName; then the first catalog, the one given or the default.
    void LocateDefaultCatalog(const std::u16string& executablePath, std::u16string_view programName,
                              SessionPrompts& prompts);
    void SetDefaultCatalog(std::u16string path);
    void Start(const std::optional<std::u16string>& catalogPath, SessionPrompts& prompts);

    // Reads the catalog at path and shows it, as opening does once its companions are there;
    // says nothing. Returns the load status.
    int32_t Load(const std::u16string& path);

    // The File menu. Each asks before unsaved changes are lost.
    void New(SessionPrompts& prompts);
    void Open(SessionPrompts& prompts);
    SaveResult Save(SessionPrompts& prompts);
    SaveResult SaveAs(SessionPrompts& prompts);
    // True when the session may end.
    bool Exit(SessionPrompts& prompts);

    // The steps commands that replace the catalog are made of (Import is one, in import/).
    // BeginReplacing asks about unsaved changes; false when the operator cancelled.
    bool BeginReplacing(SessionPrompts& prompts);
    // Opens the installed default catalog as the start of a new one; false when it cannot be
    // opened or read whole.
    bool OpenTemplate(SessionPrompts& prompts);
    // A catalog built elsewhere (from an import file) is held from now on, untitled.
    void TakeImported(PaperCatalog catalog, std::u16string source);

    // Shows a paper in the fields.
    void ShowPaper(int32_t index);

    // What the operator typed or pasted into a field. typed: the text comes from the keyboard
    // in that field (a new name then clears Precollated).
    FieldEdit EditName(std::u16string_view text, bool typed);
    FieldEdit EditColour(std::u16string_view text);
    FieldEdit EditType(std::u16string_view text);
    FieldEdit EditWeight(std::u16string_view text);
    // What the operator chose in a list: a size (by index), a colour, weight or type.
    void ChooseSize(int32_t sizeIndex);
    void ChooseValue(int32_t kind, std::u16string_view value);
    void SetPrecollated(bool precollated);
    void SetMode(int32_t mode);

    // The editing panel's commands.
    EditOutcome Modify(SessionPrompts& prompts);
    EditOutcome Add(SessionPrompts& prompts);
    EditOutcome DeletePaper(SessionPrompts& prompts);
    EditOutcome SetDefault(bool checked, SessionPrompts& prompts);
    // Moves the paper shown one place up (-1) or down (+1).
    EditOutcome Move(int direction, SessionPrompts& prompts);
    // Deletes the value at position of the weights, types or colours.
    EditOutcome DeleteValue(int32_t kind, int32_t position, SessionPrompts& prompts);
    // Gives the paper shown a new name, checked as any name; it keeps its place, its default
    // status and every other value.
    EditOutcome Rename(std::u16string_view newName, SessionPrompts& prompts);
    // A copy of the paper shown right after it, named as an import names a paper whose name is
    // taken (the name and a number), and shown.
    EditOutcome Duplicate(SessionPrompts& prompts);
    // Moves the paper shown to a position (a catalog index), the default staying on its paper.
    EditOutcome MoveTo(int32_t index, SessionPrompts& prompts);

    // Papers made elsewhere (an import file merged into the catalog) appended to the catalog,
    // and values to their lists where they lack them, as one step named after subject. Each
    // paper's colour, weight and type join the lists as with Add. The papers must pass the
    // catalog's checks and have names no paper has; the first one is shown. False when nothing
    // was new.
    bool AppendPapers(EditAction action, std::u16string subject,
                      const std::vector<PaperDefinition>& papers,
                      const std::vector<std::pair<int32_t, std::u16string>>& values);

    // Undo and redo of the last step; the paper shown is the one shown around that step.
    bool Undo();
    bool Redo();

  private:
    void ShowLoaded();
    int32_t LoadAndShow(const std::u16string& path, bool asTemplate, SessionPrompts& prompts);
    bool ConfirmUnsavedChanges(SessionPrompts& prompts);
    SaveResult SaveOwnFiles(bool papers, bool attributes, SessionPrompts& prompts);
    SaveResult WriteOwnFiles(bool papers, bool attributes, SessionPrompts& prompts);
    std::optional<std::u16string> ChooseSaveAsTarget(SessionPrompts& prompts);
    void ShowSavedAs(const std::u16string& path, SessionPrompts& prompts);
    void CompleteLists(CatalogDocument::Edit& edit, const PaperDefinition& paper);
    void AddValueIfMissing(CatalogDocument::Edit& edit, int32_t kind, const std::u16string& value);
    bool WeightRefused();
    EditOutcome AddTypedValues();
    void TakeNeighbourValue(int32_t kind, int32_t position);

    std::u16string decimalSeparator_;
    CatalogDocument document_;
    PaperFields fields_;
    FieldChangeFlags changed_;
    int32_t selected_ = -1;
};

}  // namespace sheetwise
