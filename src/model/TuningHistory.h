// Undo and redo as the front ends offer them: what can be undone or redone and its name, the
// two actions, and the step a drag makes (opened on the press, closed on the release, so the
// hundreds of moves in between are one step). An undo or redo puts the tuning back as edits
// would, so the processor receives the frames of the same edits; it raises the events of the
// channels it changed once the lock is released.
#pragma once

#include <optional>

#include "core/UiText.h"
#include "model/TuningSession.h"

namespace corva {

class TuningHistory {
public:
    explicit TuningHistory(TuningSession& session);

    bool CanUndo() const;
    bool CanRedo() const;
    // The step's name ("FL band 7 gain"), nothing when there is none.
    std::optional<UiText> UndoName() const;
    std::optional<UiText> RedoName() const;
    // "Undo: FL band 7 gain", or just "Undo" when there is nothing.
    UiText UndoTip() const;
    UiText RedoTip() const;
    // Grows each time a read of the processor's tuning cleared steps.
    int stepsLostToReads() const;

    // Each does nothing and returns false when there is nothing to take back, while a step is
    // open, while the tuning is protected, or while a read of the processor is running.
    bool Undo();
    bool Redo();

    // A drag: every edit between the two is one step.
    void BeginStep();
    void EndStep();

private:
    enum class Direction { Back, Forward };
    bool Move(Direction direction);

    SessionState& session_;
};

}  // namespace corva
