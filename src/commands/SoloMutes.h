// Soloing one output for a measurement by muting the others in the processor. The whole mute
// state is kept first and put back exactly when the measurement ends, whichever way it ends
// (done, failed, cancelled, link lost). These mutes are not edits: they leave no undo step.
#pragma once

#include <array>
#include <functional>
#include <utility>

#include "core/Status.h"
#include "model/TuningSession.h"

namespace corva {

class SoloMutes {
public:
    // `waitUntilSent` returns once the processor has answered every queued frame; false when
    // the link is lost.
    SoloMutes(TuningSession& session, std::function<bool()> waitUntilSent);
    ~SoloMutes();
    SoloMutes(const SoloMutes&) = delete;
    SoloMutes& operator=(const SoloMutes&) = delete;

    // Only `channel` sounds (switched on even if it was muted); false when the processor could
    // not be told.
    bool Solo(int channel);
    // The kept mute state again, in the model and (while the link holds) in the processor.
    // False when the processor could not be told. Safe to call more than once.
    bool Restore();

private:
    bool SetOnFlags(const std::array<int, kOutputChannelCount>& on);

    TuningSession& session_;
    std::function<bool()> waitUntilSent_;
    std::array<int, kOutputChannelCount> kept_{};
    bool changed_ = false;
};

// The end of a measurement, whichever way it ends: `outcome` (any with `end`, `status` and
// `muteStateRestored`) takes how it ended, and the kept mute state goes back.
template <typename Outcome, typename End>
Outcome EndWithMutesRestored(Outcome& outcome, SoloMutes& mutes, End end, Status status) {
    outcome.end = end;
    outcome.status = std::move(status);
    outcome.muteStateRestored = mutes.Restore();
    return outcome;
}

}  // namespace corva
