#include "model/EditHistory.h"

#include <algorithm>

namespace sheetwise {

bool EditStep::ChangesCatalogFile() const {
    return std::any_of(changes.begin(), changes.end(), [](const CatalogChange& change) {
        return sheetwise::ChangesCatalogFile(change);
    });
}

bool EditStep::ChangesAttributeFile() const {
    return std::any_of(changes.begin(), changes.end(), [](const CatalogChange& change) {
        return !sheetwise::ChangesCatalogFile(change);
    });
}

void EditHistory::Push(EditStep step) {
    steps_.resize(position_ - dropped_);
    // The saved state was among the steps just dropped: no step can lead back to it now.
    if (saved_ && *saved_ > position_)
        saved_.reset();
    steps_.push_back(std::move(step));
    ++position_;
    while (steps_.size() > limit_) {
        steps_.pop_front();
        ++dropped_;
    }
    if (saved_ && *saved_ < dropped_)
        saved_.reset();
}

const EditStep* EditHistory::UndoStep() const {
    return position_ > dropped_ ? &steps_[position_ - dropped_ - 1] : nullptr;
}

const EditStep* EditHistory::RedoStep() const {
    return position_ - dropped_ < steps_.size() ? &steps_[position_ - dropped_] : nullptr;
}

void EditHistory::StepBack() {
    if (UndoStep() != nullptr)
        --position_;
}

void EditHistory::StepForward() {
    if (RedoStep() != nullptr)
        ++position_;
}

void EditHistory::Reset() {
    steps_.clear();
    dropped_ = 0;
    position_ = 0;
    saved_ = 0;
}

void EditHistory::MarkSaved() {
    saved_ = position_;
}

void EditHistory::ForgetSaved() {
    saved_.reset();
}

bool EditHistory::AnyStepSinceSaved(bool (EditStep::*changes)() const) const {
    if (!saved_)
        return true;
    const size_t from = std::min(*saved_, position_) - dropped_;
    const size_t to = std::max(*saved_, position_) - dropped_;
    for (size_t i = from; i < to; ++i) {
        if ((steps_[i].*changes)())
            return true;
    }
    return false;
}

bool EditHistory::CatalogFileDiffers() const {
    return AnyStepSinceSaved(&EditStep::ChangesCatalogFile);
}

bool EditHistory::AttributeFileDiffers() const {
    return AnyStepSinceSaved(&EditStep::ChangesAttributeFile);
}

}  // namespace sheetwise
