// The short, quiet test before the first sweep: a sweep far below the measuring level plays
// through each output alone (the others muted, the mute state put back after), and the
// microphone's peak, raised by the difference, tells whether the measuring sweep would clip
// or drown in the noise, before anything loud is played.
#pragma once

#include "audio/AudioSystem.h"
#include "audio/InputLevelCheck.h"
#include "commands/ChannelMeasurement.h"

namespace corva {

struct LevelTestOutcome {
    MeasureEnd end = MeasureEnd::Done;
    Status status = Status::Ok();      // why it failed
    audio::InputLevelReport expected;  // for the measuring sweep: the worst output's verdict
    int channel = 0;                   // the output that verdict is about
    bool muteStateRestored = true;
};

inline constexpr double kLevelTestSweepS = 0.2;
inline constexpr double kLevelTestBelowSweepDb = 20.0;

// `request.channels` are tested (all six when empty); only the hooks' waitUntilSent and
// cancelled are used.
LevelTestOutcome TestInputLevel(TuningSession& session, audio::AudioSystem& audio,
                                const MeasureRequest& request, const MeasureHooks& hooks);

}  // namespace corva
