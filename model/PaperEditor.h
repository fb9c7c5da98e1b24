// The rules of the editing panel: what Add, Modify, Delete, the default-paper box, the moves and
// the offered-value commands do to a document, given the values held for the fields.
//
// The window keeps the editor's values in step with its controls and renders each outcome: a
// refusal becomes the matching message, a change a refreshed list. Every decision is here, so
// that it can be tested without a window and reads the same whichever control asks.
#pragma once

#include <cstdint>
#include <string>

#include "model/CatalogDocument.h"
#include "model/PaperCatalog.h"
#include "model/WeightRange.h"

namespace sheetwise {

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
};

// The default paper as the window last showed it: its name and position.
struct DefaultPaperMark {
    std::u16string name;
    int32_t index = -1;
};

// Which fields the operator changed since a paper was shown.
struct FieldChangeFlags {
    bool name = false, weight = false, colour = false, type = false, mode = false,
         precollated = false;
};

// The window's copies of the offered values, in the order its list boxes show them. They can
// hold a value the catalog refused, which the list box shows all the same.
struct WorkingAttributeLists {
    AttributeList weights, types, colours;
    AttributeList& Of(int32_t kind) {
        return kind == kWeights ? weights : kind == kTypes ? types : colours;
    }
};

// How an editing command ended. Anything but kDone and kIgnored is a refusal to show.
enum class EditOutcome {
    kDone,
    kIgnored,              // nothing to do and nothing to say
    kNothingChanged,       // Add without anything new
    kWeightOutOfRange,     // the held weight went back to the paper's
    kNameInUse,            // Add of a name the catalog holds
    kInvalidPaper,         // Add with an empty name, colour, type or weight
    kInvalidModify,        // Modify with an empty colour, type or weight
    kModifyFailed,         // the catalog refused the change
    kDefaultNotDeletable,  // Delete of the default paper
    kLastPaper,            // Delete of the only paper
    kSelectPaperFirst,     // Delete without a paper shown
    kDeleteFailed,
    kDefaultFailed,  // the default paper could not be set (or kept after a delete)
    kKeepDefault,    // the default box was cleared: there is always a default paper
    kMoveFailed,     // a move the catalog cannot make, or of another paper than the one shown
    kWildcardNotDeletable,
    kValueInUse,  // a paper uses the offered value
};

class PaperEditor {
  public:
    explicit PaperEditor(CatalogDocument& document) : document_(document) {}

    PaperFields fields;
    FieldChangeFlags changed;
    WorkingAttributeLists working;
    DefaultPaperMark defaultMark;
    int32_t selected = -1;  // the paper shown, as an index of the catalog

    // Takes the catalog's offered values as the working lists.
    void TakeCatalogLists();

    // Changes the shown paper to the held values. Once the catalog took or refused the change,
    // the field flags are cleared, so that the fields go back to what the catalog holds; a
    // refusal before that (an empty value, a weight out of range) leaves the other flags.
    EditOutcome Modify();

    // Adds a paper under a new held name. Without one, Add offers the typed weight, colour and
    // type to the lists: kDone with addsValues set; the window then adds them through AddValue.
    struct AddResult {
        EditOutcome outcome = EditOutcome::kDone;
        bool addsValues = false;
        int32_t added = -1;  // the new paper's index; -1 when it cannot be found
    };
    AddResult Add();

    // Whether the shown paper may be deleted (kDone), before the operator is asked.
    EditOutcome CheckDeletePaper() const;
    // Deletes the shown paper; the default stays on its paper. `defaultLost` tells that it could
    // not be kept.
    EditOutcome DeletePaper(bool& defaultLost);

    // The default box was checked (true) or cleared (false) on the shown paper.
    EditOutcome SetDefault(bool checked);

    // Moves the shown paper, which is on row `row`, one place up (-1) or down (+1).
    EditOutcome Move(int32_t row, int direction);

    // Adds a value to a working list and to the catalog. False when the catalog refused it
    // (it stays in the working list, as the list box shows it).
    bool AddValue(int32_t kind, const std::u16string& value);
    // Whether an offered value may be deleted (kDone), before the operator is asked.
    EditOutcome CheckDeleteValue(int32_t kind, const std::u16string& value) const;
    void DeleteValue(int32_t kind, const std::u16string& value);

  private:
    bool WeightRefused();
    PaperCatalog& catalog() { return document_.catalog(); }
    const PaperCatalog& catalog() const { return document_.catalog(); }
    ChangeFlags& changes() { return document_.changes(); }

    CatalogDocument& document_;
};

}  // namespace sheetwise
