// Undo and redo of the tuning: each step keeps the tuning as it was before the step and its
// name. A step opens and closes around an edit; nested steps join the outermost, so a drag
// (opened by the front end for the press) or a linked edit is one step. Guarded by the send
// lock like the rest of the session's state.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "core/UiText.h"
#include "model/TuningState.h"

namespace corva {

// Why the steps are forgotten: steps lost to a read of the processor's tuning are counted,
// because the front end tells the user about them.
enum class HistoryClearCause { Other, ProcessorRead };

class EditHistory {
public:
    static constexpr std::size_t kDefaultDepth = 500;

    explicit EditHistory(std::size_t depth = kDefaultDepth) : depth_{depth} {}

    // Opens a step; only the outermost call captures the tuning.
    void Begin(const TuningModel& model, const ParameterImage& image);
    // Closes a step. The outermost call records it when the tuning changed, or when it is
    // named: a command names its step because the tuning it asked for may still be arriving.
    // An unnamed step is named after what changed.
    void End(const TuningModel& model, const ParameterImage& image,
             std::optional<UiText> name = std::nullopt);
    bool open() const { return openCount_ > 0; }
    // Tells the open step that it edits the listening-position table, which it then keeps.
    void NotePositionsEdit() { positionsEdited_ = open(); }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::optional<UiText> UndoName() const;
    std::optional<UiText> RedoName() const;
    std::size_t undoCount() const { return undo_.size(); }

    // The tuning to go back to, or nothing. `current` becomes the step redo returns to; it
    // keeps its listening-position table only when the step has one.
    std::optional<TuningState> TakeUndo(TuningState current);
    // The tuning to go forward to, or nothing. `current` becomes the step undo returns to.
    std::optional<TuningState> TakeRedo(TuningState current);

    // Forgets every step; a step still open records nothing when it closes.
    void Clear(HistoryClearCause cause = HistoryClearCause::Other);
    // How many reads have cleared steps (reads with no steps to lose are not counted).
    int stepsLostToReads() const { return stepsLostToReads_; }

private:
    struct Step {
        UiText name;
        TuningState state;
    };
    void Push(Step step);
    // Moves the newest step of `from` to `to` as `current`, returning the step's tuning.
    std::optional<TuningState> Take(std::deque<Step>& from, std::deque<Step>& to,
                                    TuningState current);

    std::size_t depth_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    int openCount_ = 0;
    int stepsLostToReads_ = 0;
    std::optional<TuningState> opened_;
    std::optional<UiText> openName_;
    bool positionsEdited_ = false;
};

}  // namespace corva
