// The undo history of one catalog: the steps that changed it, where it stands among them, and
// which of its states the files on disk hold.
//
// Each step is one command (Add, Delete, a move, ...) as the list of changes it made. Undo takes
// back the step before the current position, redo makes the one after it again; a new step
// drops the steps that could still be redone. The state the files hold is remembered as a
// position, so that undoing back to it makes the catalog unchanged again, and a save does not
// empty the history.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/CatalogChange.h"

namespace sheetwise {

// What a step did, for its name in the Edit menu ("Undo Delete Letter").
enum class EditAction {
    kAdd,
    kModify,
    kDelete,
    kMoveUp,
    kMoveDown,
    kDefaultPaper,
    kAddValues,
    kDeleteValue,
    kImport,
    kRename,
    kDuplicate,
};

struct EditStep {
    EditAction action = EditAction::kAdd;
    std::u16string subject;  // the paper or the value the step was about
    std::vector<CatalogChange> changes;
    int32_t selectedBefore = -1;  // the paper shown before the step, as a catalog index
    int32_t selectedAfter = -1;   // and after it

    bool ChangesCatalogFile() const;
    bool ChangesAttributeFile() const;
};

class EditHistory {
  public:
    // At least this many steps are kept; the oldest go beyond it.
    static constexpr size_t kDefaultLimit = 10000;

    explicit EditHistory(size_t limit = kDefaultLimit) : limit_(limit) {}

    // A new step, made just now: the steps that could be redone are dropped.
    void Push(EditStep step);
    // The step undo would take back, and the one redo would make again; nullptr when none.
    const EditStep* UndoStep() const;
    const EditStep* RedoStep() const;
    // Moves the position once the caller has taken back or made again that step.
    void StepBack();
    void StepForward();

    // A history for a catalog just read: nothing to undo, and the files hold this state.
    void Reset();
    // The files hold the current state.
    void MarkSaved();
    // No state of this history is in any file (an import, say): every state is unsaved.
    void ForgetSaved();

    // Whether the catalog file or the attribute file would be written differently now than
    // in the state the files hold.
    bool CatalogFileDiffers() const;
    bool AttributeFileDiffers() const;

    size_t size() const { return steps_.size(); }

  private:
    bool AnyStepSinceSaved(bool (EditStep::*changes)() const) const;

    size_t limit_;
    std::deque<EditStep> steps_;
    // Positions count from the first step ever pushed since the last reset, so that dropping
    // the oldest steps keeps them meaningful: steps_[0] is step number dropped_.
    size_t dropped_ = 0;
    size_t position_ = 0;
    std::optional<size_t> saved_ = 0;
};

}  // namespace sheetwise
