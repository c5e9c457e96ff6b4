// Calibrating the car in one step: measure every output, align them by their arrival times
// (the latest gets no delay), fit each channel's bands to the target with the auto-EQ on the
// processor's steps, apply all of it as one undo step, measure again and report the error to
// the target before and after per channel. Cancelled before the apply, nothing changes.
#pragma once

#include <array>
#include <optional>

#include "commands/ChannelMeasurement.h"
#include "model/EqualizerSettings.h"
#include "tuning/AutoEq.h"

namespace corva {

struct CalibrationRequest {
    MeasureRequest measure;  // its channels are ignored: all six are measured
    Response target{};
    tuning::AutoEqOptions fit;
    bool dryRun = false;  // plan and report, apply nothing
};

struct ChannelCalibration {
    int channel = 0;
    double arrivalMs = 0.0;     // measured, with the delay the channel had
    double acousticMs = 0.0;    // without it
    int delayCode = 0;          // as planned
    bool delayLimited = false;  // needed more than the longest delay
    EqualizerSettings equalizer;
    int bandsUsed = 0;
    tuning::FitErrors before;                // the first measurement against the target
    tuning::FitErrors predicted;             // what the fit expects
    std::optional<tuning::FitErrors> after;  // measured again (not in a dry run)
    std::optional<double> arrivalAfterMs;    // measured again, with the new delay
};

enum class CalibrationEnd { Applied, Planned, Failed, Cancelled };

struct CalibrationOutcome {
    CalibrationEnd end = CalibrationEnd::Applied;
    Status status = Status::Ok();
    std::array<ChannelCalibration, kOutputChannelCount> channels{};
    bool muteStateRestored = true;
    bool verified = false;                         // the second measurement ran to its end
    std::vector<ChannelMeasurement> measured;      // the first measurement
    std::vector<ChannelMeasurement> verification;  // the second (once verified)
};

// Which parts of a plan an apply sends.
enum class CalibrationParts { Alignment, Equalizer, Both };

// The plan from one measurement of all six outputs, computed without the send lock.
std::array<ChannelCalibration, kOutputChannelCount> PlanCalibration(
    const TuningSnapshot& before, const std::vector<ChannelMeasurement>& measured,
    const CalibrationRequest& request);

// The plan's delays, bands or both on every channel it holds, as one undo step.
void ApplyCalibration(TuningSession& session,
                      const std::array<ChannelCalibration, kOutputChannelCount>& plan,
                      CalibrationParts parts);

CalibrationOutcome CalibrateCar(TuningSession& session, audio::AudioSystem& audio,
                                const CalibrationRequest& request, const MeasureHooks& hooks);

}  // namespace corva
