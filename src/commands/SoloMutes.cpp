#include "commands/SoloMutes.h"

namespace corva {

SoloMutes::SoloMutes(TuningSession& session, std::function<bool()> waitUntilSent)
    : session_{session}, waitUntilSent_{std::move(waitUntilSent)} {
    SessionState& state = session_.engine();
    std::lock_guard lock(state.sendLock);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        kept_[static_cast<std::size_t>(c)] = state.model.output(c).on();
    }
}

SoloMutes::~SoloMutes() {
    (void)Restore();
}

bool SoloMutes::Solo(int channel) {
    std::array<int, kOutputChannelCount> on{};
    on[static_cast<std::size_t>(channel)] = 1;
    changed_ = true;
    return SetOnFlags(on);
}

bool SoloMutes::Restore() {
    if (!changed_) {
        return true;
    }
    changed_ = false;
    return SetOnFlags(kept_);
}

bool SoloMutes::SetOnFlags(const std::array<int, kOutputChannelCount>& on) {
    SessionState& state = session_.engine();
    std::uint8_t changed = 0;
    {
        std::lock_guard lock(state.sendLock);
        // Straight on the channels: the edit rule that mutes a linked sub pair together must
        // not apply here, each output is soloed on its own.
        for (int c = 0; c < kOutputChannelCount; ++c) {
            OutputChannel& output = state.model.output(c);
            if (output.on() != on[static_cast<std::size_t>(c)]) {
                output.SetOn(on[static_cast<std::size_t>(c)]);
                changed = static_cast<std::uint8_t>(changed | (1u << c));
            }
        }
    }
    if (changed != 0) {
        state.events.Raise({SessionChange::Outputs, changed});
    }
    return waitUntilSent_ ? waitUntilSent_() : true;
}

}  // namespace corva
