#include "model/TuningHistory.h"

#include <mutex>

#include "model/TuningRestore.h"

namespace corva {
namespace {

UiText Tip(UiText action, const std::optional<UiText>& name) {
    if (!name) {
        return action;
    }
    return Tr("Edits", "%1: %2").Arg(std::move(action)).Arg(*name);
}

}  // namespace

TuningHistory::TuningHistory(TuningSession& session) : session_{session.engine()} {}

bool TuningHistory::CanUndo() const {
    std::lock_guard lock(session_.sendLock);
    return session_.history.CanUndo();
}

bool TuningHistory::CanRedo() const {
    std::lock_guard lock(session_.sendLock);
    return session_.history.CanRedo();
}

int TuningHistory::stepsLostToReads() const {
    std::lock_guard lock(session_.sendLock);
    return session_.history.stepsLostToReads();
}

std::optional<UiText> TuningHistory::UndoName() const {
    std::lock_guard lock(session_.sendLock);
    return session_.history.UndoName();
}

std::optional<UiText> TuningHistory::RedoName() const {
    std::lock_guard lock(session_.sendLock);
    return session_.history.RedoName();
}

UiText TuningHistory::UndoTip() const {
    return Tip(Tr("Edits", "Undo"), UndoName());
}

UiText TuningHistory::RedoTip() const {
    return Tip(Tr("Edits", "Redo"), RedoName());
}

bool TuningHistory::Undo() {
    return Move(Direction::Back);
}

bool TuningHistory::Redo() {
    return Move(Direction::Forward);
}

bool TuningHistory::Move(Direction direction) {
    EventsOnExit events(session_.events);
    std::lock_guard lock(session_.sendLock);
    // Protected tuning is not edited; during a read the model does not hold the processor's
    // tuning yet, and edits would not be marked for sending.
    if (session_.protection.isProtected || (session_.connected && !session_.model.synchronised())) {
        return false;
    }
    auto current = CaptureTuningWithPositions(session_.model, session_.image);
    auto target = direction == Direction::Back ? session_.history.TakeUndo(std::move(current))
                                               : session_.history.TakeRedo(std::move(current));
    if (!target) {
        return false;
    }
    const std::uint8_t channels = RestoreTuningLocked(session_, *target);
    events.Add({SessionChange::Outputs, channels});
    events.Add({SessionChange::MainVolume});
    if (target->listeningPositions) {
        events.Add({SessionChange::Positions});
    }
    return true;
}

void TuningHistory::BeginStep() {
    std::lock_guard lock(session_.sendLock);
    session_.history.Begin(session_.model, session_.image);
}

void TuningHistory::EndStep() {
    std::lock_guard lock(session_.sendLock);
    session_.history.End(session_.model, session_.image);
}

}  // namespace corva
