// Measuring outputs through the processor: each channel soloed by muting the others, the
// sweep played into the processor's input and the microphone recorded, at one or more
// microphone positions (power-averaged, with their spread), the microphone's calibration
// applied. The mute state is put back exactly however the run ends.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "audio/AudioSystem.h"
#include "audio/InputLevelCheck.h"
#include "measure/ExponentialSweep.h"
#include "measure/MicCalibration.h"
#include "measure/PositionAverage.h"
#include "measure/SweepAnalysis.h"
#include "model/TuningSession.h"

namespace corva {

struct MeasureRequest {
    std::vector<int> channels;  // 0..5, each once
    measure::SweepSettings sweep;
    int positions = 1;
    std::string inputName;   // empty: the default input
    std::string outputName;  // empty: the default output
    std::optional<measure::MicCalibration> microphone;
    int smoothingFraction = 6;  // of the responses (0: none)
};

// One sweep as it was heard: the microphone's level and, when the level was good and the
// recording held a response, its analysis (the microphone's calibration applied to the levels).
struct SweepReport {
    int channel = 0;
    int position = 0;
    audio::InputLevelReport level;
    std::optional<measure::SweepResult> analysed;
};

// What the front end provides while a run goes on.
struct MeasureHooks {
    // Returns once the processor has answered every queued frame; false when the link is lost.
    std::function<bool()> waitUntilSent;
    // Asked between sweeps; true stops the run.
    std::function<bool()> cancelled;
    // Before each position after the first: the microphone is to be moved. False cancels.
    std::function<bool(int position)> nextPosition;
    // Told before each sweep: channel, position (both from 0).
    std::function<void(int channel, int position)> progress;
    // Told after each sweep, so a front end shows curves and levels as they arrive.
    std::function<void(const SweepReport& report)> swept;
    // While a sweep records: the input's peak level (dBFS) as it comes in, for a live meter.
    std::function<void(double peakDbfs)> inputPeak;
};

struct ChannelMeasurement {
    int channel = 0;
    measure::AveragedResponse response;  // dB relative to full scale
    std::vector<double> arrivalMs;       // per position
    double meanArrivalMs = 0.0;
    audio::InputLevelReport level;  // the worst of the positions
};

enum class MeasureEnd { Done, Failed, Cancelled };

struct MeasureOutcome {
    MeasureEnd end = MeasureEnd::Done;
    Status status = Status::Ok();  // why it failed
    std::vector<ChannelMeasurement> channels;
    bool muteStateRestored = true;  // the processor has its mute state back
};

MeasureOutcome MeasureChannels(TuningSession& session, audio::AudioSystem& audio,
                               const MeasureRequest& request, const MeasureHooks& hooks);

// The recording length a sweep needs: the sweep, then 0.6 s for the latency of the sound
// card, the delays and the cabin's decay.
int RecordSamplesFor(const measure::SweepSettings& sweep);

}  // namespace corva
