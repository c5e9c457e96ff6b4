#include "model/EditHistory.h"

#include "model/TuningStepName.h"

namespace corva {

void EditHistory::Begin(const TuningModel& model, const ParameterImage& image) {
    if (openCount_++ == 0) {
        opened_ = CaptureTuningWithPositions(model, image);
        openName_.reset();
        positionsEdited_ = false;
    }
}

void EditHistory::End(const TuningModel& model, const ParameterImage& image,
                      std::optional<UiText> name) {
    if (openCount_ == 0) {
        return;
    }
    if (name && !openName_) {
        openName_ = std::move(name);
    }
    if (--openCount_ > 0 || !opened_) {
        return;
    }
    TuningState before = std::move(*opened_);
    opened_.reset();
    TuningState after = CaptureTuningWithPositions(model, image);
    // A step keeps the table only when an edit of it changed it (the processor's answer to a
    // request for the table may arrive while any step is open).
    if (!positionsEdited_ || before.listeningPositions == after.listeningPositions) {
        before.listeningPositions.reset();
        after.listeningPositions.reset();
    }
    if (openName_) {
        Push({std::move(*openName_), std::move(before)});
        return;
    }
    if (before == after) {
        return;
    }
    UiText changed = NameOfChange(before, after);
    Push({std::move(changed), std::move(before)});
}

void EditHistory::Push(Step step) {
    undo_.push_back(std::move(step));
    while (undo_.size() > depth_) {
        undo_.pop_front();
    }
    redo_.clear();
}

std::optional<UiText> EditHistory::UndoName() const {
    return undo_.empty() ? std::nullopt : std::optional{undo_.back().name};
}

std::optional<UiText> EditHistory::RedoName() const {
    return redo_.empty() ? std::nullopt : std::optional{redo_.back().name};
}

std::optional<TuningState> EditHistory::Take(std::deque<Step>& from, std::deque<Step>& to,
                                             TuningState current) {
    if (from.empty() || open()) {
        return std::nullopt;
    }
    Step step = std::move(from.back());
    from.pop_back();
    if (!step.state.listeningPositions) {
        current.listeningPositions.reset();  // the step did not touch the table
    }
    to.push_back({step.name, std::move(current)});
    return std::move(step.state);
}

std::optional<TuningState> EditHistory::TakeUndo(TuningState current) {
    return Take(undo_, redo_, std::move(current));
}

std::optional<TuningState> EditHistory::TakeRedo(TuningState current) {
    return Take(redo_, undo_, std::move(current));
}

void EditHistory::Clear(HistoryClearCause cause) {
    if (cause == HistoryClearCause::ProcessorRead && (CanUndo() || CanRedo())) {
        ++stepsLostToReads_;
    }
    undo_.clear();
    redo_.clear();
    opened_.reset();
}

}  // namespace corva
