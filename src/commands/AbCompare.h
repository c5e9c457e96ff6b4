// A/B listening comparison: two memory slots of the live tuning. "Keep as A/B" copies the
// live tuning into a slot; a switch makes the other slot the live tuning and sends it as one
// whole transfer (the live name and the six output blocks), quick enough to compare by ear.
// A switch is one undo step, and a safety copy of the live tuning is kept before it when a
// keeper is given.
#pragma once

#include <optional>

#include "commands/TuningSnapshots.h"
#include "model/TuningState.h"
#include "transfer/BulkTransfers.h"

namespace corva {

enum class AbSlot { A, B };

struct AbSwitchResult {
    Status status = Status::Ok();
    int progressRange = 0;  // numbered frames queued (none while disconnected)
};

class AbCompare {
public:
    AbCompare(TuningSession& session, BulkTransfers& bulk, TuningSnapshots* snapshots = nullptr);

    // Refused, with nothing kept, while the tuning is protected: a slot never holds protected
    // tuning. Protect, unlock and reset of the lock empty both slots.
    Status KeepAs(AbSlot slot);
    bool Has(AbSlot slot) const;
    // The slot the live tuning last came from or went to; nothing before the first keep.
    std::optional<AbSlot> live() const { return live_; }

    // Makes the other slot live. Refused, with nothing changed, when that slot is empty, while
    // the tuning is protected, while a read is running, or when the safety copy fails.
    AbSwitchResult Switch();

private:
    std::optional<TuningState>& SlotOf(AbSlot slot) { return slot == AbSlot::A ? a_ : b_; }
    // Empties both slots when the lock has changed since they were kept; the caller holds the
    // send lock.
    void ForgetAcrossLockChangesLocked() const;
    // Why a switch cannot go ahead now (empty slot, protected, reading); the caller holds the
    // send lock.
    std::optional<UiText> SwitchRefusalLocked() const;

    TuningSession& session_;
    SessionState& state_;
    BulkTransfers& bulk_;
    TuningSnapshots* snapshots_;
    mutable std::optional<TuningState> a_;
    mutable std::optional<TuningState> b_;
    mutable std::optional<AbSlot> live_;
    mutable unsigned keptAtLockChange_ = 0;
};

}  // namespace corva
