#include "commands/LevelTest.h"

#include <cmath>

#include "commands/SoloMutes.h"

namespace corva {
namespace {

// Clipping first, then a signal too quiet; among equals the louder.
bool Worse(const audio::InputLevelReport& a, const audio::InputLevelReport& b) {
    const auto rank = [](audio::InputLevel level) {
        return level == audio::InputLevel::Clipped ? 2 : level == audio::InputLevel::TooQuiet;
    };
    return rank(a.level) != rank(b.level) ? rank(a.level) > rank(b.level) : a.peakDbfs > b.peakDbfs;
}

}  // namespace

LevelTestOutcome TestInputLevel(TuningSession& session, audio::AudioSystem& audio,
                                const MeasureRequest& request, const MeasureHooks& hooks) {
    LevelTestOutcome outcome;
    measure::SweepSettings tone = request.sweep;
    tone.durationS = kLevelTestSweepS;
    tone.sampleRateHz = audio.RateFor(request.inputName, request.outputName);
    const double gain = std::pow(10.0, -kLevelTestBelowSweepDb / 20.0);
    tone.peakLevel = request.sweep.peakLevel * gain;
    audio::DuplexRequest play;
    play.inputName = request.inputName;
    play.outputName = request.outputName;
    play.sampleRateHz = tone.sampleRateHz;
    play.play = measure::MakeExponentialSweep(tone);
    play.recordSamples = RecordSamplesFor(tone);
    play.inputPeak = hooks.inputPeak;

    std::vector<int> channels = request.channels;
    for (int c = 0; channels.empty() && c < kOutputChannelCount; ++c) {
        channels.push_back(c);
    }
    SoloMutes mutes(session, hooks.waitUntilSent);
    const auto finish = [&](MeasureEnd end, Status status) {
        return EndWithMutesRestored(outcome, mutes, end, std::move(status));
    };
    bool first = true;
    for (const int channel : channels) {
        if (hooks.cancelled && hooks.cancelled()) {
            return finish(MeasureEnd::Cancelled, Status::Ok());
        }
        if (!mutes.Solo(channel)) {
            return finish(
                MeasureEnd::Failed,
                Status::Fail(Tr("Commands", "The connection to the processor was lost.")));
        }
        audio::DuplexResult heard = audio.PlayAndRecord(play);
        if (!heard.status.ok()) {
            return finish(MeasureEnd::Failed, heard.status);
        }
        // The measuring sweep is louder by the difference: what the microphone would hear.
        for (double& sample : heard.recorded) {
            sample /= gain;
        }
        const audio::InputLevelReport expected = audio::CheckInputLevel(heard.recorded);
        if (first || Worse(expected, outcome.expected)) {
            outcome.expected = expected;
            outcome.channel = channel;
        }
        first = false;
    }
    return finish(MeasureEnd::Done, Status::Ok());
}

}  // namespace corva
