#include "commands/AbCompare.h"

#include <algorithm>

namespace corva {
namespace {

UiText ProtectedRefusal() {
    return Tr("Commands", "The tuning is protected: unlock it first.");
}

UiText EmptySlot(AbSlot slot) {
    return Tr("Commands", "Slot %1 is empty: keep a tuning there first.")
        .Arg(slot == AbSlot::A ? "A" : "B");
}

}  // namespace

AbCompare::AbCompare(TuningSession& session, BulkTransfers& bulk, TuningSnapshots* snapshots)
    : session_{session}, state_{session.engine()}, bulk_{bulk}, snapshots_{snapshots} {}

void AbCompare::ForgetAcrossLockChangesLocked() const {
    if (keptAtLockChange_ != state_.lockChanges) {
        a_.reset();
        b_.reset();
        live_.reset();
        keptAtLockChange_ = state_.lockChanges;
    }
}

Status AbCompare::KeepAs(AbSlot slot) {
    std::lock_guard lock(state_.sendLock);
    ForgetAcrossLockChangesLocked();
    if (state_.protection.isProtected) {
        return Status::Fail(ProtectedRefusal());
    }
    SlotOf(slot) = CaptureTuning(state_.model, state_.image);
    live_ = slot;
    return Status::Ok();
}

bool AbCompare::Has(AbSlot slot) const {
    std::lock_guard lock(state_.sendLock);
    ForgetAcrossLockChangesLocked();
    return (slot == AbSlot::A ? a_ : b_).has_value();
}

std::optional<UiText> AbCompare::SwitchRefusalLocked() const {
    ForgetAcrossLockChangesLocked();
    const AbSlot target = live_ == AbSlot::A ? AbSlot::B : AbSlot::A;
    if (!(target == AbSlot::A ? a_ : b_)) {
        return EmptySlot(target);
    }
    if (state_.protection.isProtected) {
        return ProtectedRefusal();
    }
    if (state_.connected && !state_.model.synchronised()) {
        return Tr("Commands", "Not connected to device!");
    }
    return std::nullopt;
}

AbSwitchResult AbCompare::Switch() {
    AbSwitchResult result;
    {
        std::lock_guard lock(state_.sendLock);
        if (auto refused = SwitchRefusalLocked()) {
            result.status = Status::Fail(*refused);
            return result;
        }
    }
    if (snapshots_) {
        if (const Status kept = snapshots_->KeepLive(session_, SnapshotReason::AbSwitch);
            !kept.ok()) {
            result.status =
                Status::Fail(SnapshotFailedMessage(SnapshotReason::AbSwitch, kept.message()));
            return result;
        }
    }
    EventsOnExit events(state_.events);
    BulkTransfers::SendLockHold lock(state_.sendLock);
    // The lock may have changed while the safety copy was written.
    if (auto refused = SwitchRefusalLocked()) {
        result.status = Status::Fail(*refused);
        return result;
    }
    const AbSlot target = live_ == AbSlot::A ? AbSlot::B : AbSlot::A;
    const auto& wanted = SlotOf(target);
    state_.history.Begin(state_.model, state_.image);
    // The slot's values as loaded, not as edits: the whole blocks carry them.
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto& out = state_.model.output(c);
        out.RestoreValues(wanted->outputs[static_cast<std::size_t>(c)], EditOrigin::Load);
        out.ClearChangeMarks();
    }
    const auto groups = state_.image.LinkGroups();
    std::copy(wanted->linkGroups.begin(), wanted->linkGroups.end(), groups.begin());
    auto name = state_.image.Live().first(kNameFieldSize);
    std::copy(wanted->liveName.begin(), wanted->liveName.end(), name.begin());
    state_.history.End(state_.model, state_.image, Tr("Commands", "A/B switch"));
    live_ = target;
    events.Add({SessionChange::Outputs, kAllOutputChannels});
    if (state_.connected) {
        result.progressRange = bulk_.SendPreset(0, PresetSource::Model, lock);
    }
    return result;
}

}  // namespace corva
