#include "commands/OneStepCalibration.h"

#include <algorithm>
#include <charconv>

#include "dsp/values/DelayCodes.h"
#include "model/ChannelEditor.h"
#include "tuning/ProcessorFit.h"

namespace corva {
namespace {

BandSetting SettingOf(const BandView& band) {
    return {static_cast<FilterType>(band.type), band.slope, band.frequencyHz,
            band.bypassed ? kBandGainCodeFlat : band.gainCode, band.bandwidthIndex};
}

CrossoverSetting SettingOf(const CrossoverView& crossover) {
    return {crossover.frequencyHz, crossover.kind, crossover.slope};
}

// The channel's own filters (bands and crossovers) as the processor computes them.
Response FiltersOf(const OutputView& output, bool withBands) {
    Response sum = tuning::CrossoverResponse(FilterType::HighPass, SettingOf(output.highPass));
    const Response low = tuning::CrossoverResponse(FilterType::LowPass, SettingOf(output.lowPass));
    for (std::size_t i = 0; i < sum.size(); ++i) {
        sum[i] += low[i];
    }
    if (withBands) {
        for (const BandView& band : output.bands) {
            const Response r = tuning::BandResponse(SettingOf(band));
            for (std::size_t i = 0; i < sum.size(); ++i) {
                sum[i] += r[i];
            }
        }
    }
    return sum;
}

// A time in ms through the delay field's own entry conversion.
int DelayCodeForMs(double ms) {
    std::array<char, 64> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), ms, std::chars_format::fixed, 6);
    return DelayCodeFromText(
        std::string_view(text.data(), static_cast<std::size_t>(written.ptr - text.data())),
        DelayUnit::Milliseconds);
}

MeasureRequest AllChannels(MeasureRequest request) {
    request.channels.clear();
    for (int c = 0; c < kOutputChannelCount; ++c) {
        request.channels.push_back(c);
    }
    return request;
}

}  // namespace

std::array<ChannelCalibration, kOutputChannelCount> PlanCalibration(
    const TuningSnapshot& before, const std::vector<ChannelMeasurement>& measured,
    const CalibrationRequest& request) {
    std::array<ChannelCalibration, kOutputChannelCount> plan{};
    double latestMs = 0.0;
    for (const ChannelMeasurement& m : measured) {
        ChannelCalibration& c = plan[static_cast<std::size_t>(m.channel)];
        const OutputView& output = before.outputs[static_cast<std::size_t>(m.channel)];
        c.channel = m.channel;
        c.arrivalMs = m.meanArrivalMs;
        c.acousticMs = m.meanArrivalMs - DelayMilliseconds(output.delayCode);
        latestMs = std::max(latestMs, c.acousticMs);
    }
    const tuning::GridSpan span = tuning::GridSpanOf(request.fit.lowHz, request.fit.highHz);
    for (const ChannelMeasurement& m : measured) {
        ChannelCalibration& c = plan[static_cast<std::size_t>(m.channel)];
        const OutputView& output = before.outputs[static_cast<std::size_t>(m.channel)];
        const double wantedMs = latestMs - c.acousticMs;
        c.delayCode = DelayCodeForMs(wantedMs);
        c.delayLimited = wantedMs > DelayMilliseconds(kDelayCodeMax);

        // The speaker in the car without the channel's filters; the crossovers stay, the
        // bands are fitted anew.
        const Response all = FiltersOf(output, true);
        const Response crossovers = FiltersOf(output, false);
        Response raw{};
        for (std::size_t i = 0; i < raw.size(); ++i) {
            raw[i] = m.response.levelsDb[i] - all[i];
        }
        c.before = tuning::ErrorsOver(m.response.levelsDb, request.target, span);
        const tuning::AutoEqResult fit =
            tuning::FitAutoEq(raw, request.target, crossovers, request.fit);
        c.equalizer.bands = fit.bands;
        c.bandsUsed = fit.bandsUsed;
        c.predicted = fit.after;
    }
    return plan;
}

void ApplyCalibration(TuningSession& session,
                      const std::array<ChannelCalibration, kOutputChannelCount>& plan,
                      CalibrationParts parts) {
    static const std::array<UiText, 3> kStepNames = {
        Tr("Commands", "Align by arrival times"),
        Tr("Commands", "Measured EQ"),
        Tr("Commands", "Calibrate the car"),
    };
    SessionState& state = session.engine();
    {
        std::lock_guard lock(state.sendLock);
        state.history.Begin(state.model, state.image);
    }
    {
        ChannelEditor editor(session);
        if (parts != CalibrationParts::Equalizer) {
            std::array<std::optional<int>, kOutputChannelCount> delays{};
            for (const ChannelCalibration& c : plan) {
                delays[static_cast<std::size_t>(c.channel)] = c.delayCode;
            }
            editor.CommitDelays(delays);
        }
        if (parts != CalibrationParts::Alignment) {
            for (const ChannelCalibration& c : plan) {
                editor.ApplyEqualizer(c.channel, c.equalizer);
            }
        }
    }
    {
        std::lock_guard lock(state.sendLock);
        state.history.End(state.model, state.image, kStepNames[static_cast<std::size_t>(parts)]);
    }
}

CalibrationOutcome CalibrateCar(TuningSession& session, audio::AudioSystem& audio,
                                const CalibrationRequest& request, const MeasureHooks& hooks) {
    CalibrationOutcome outcome;
    const MeasureRequest measureAll = AllChannels(request.measure);
    const TuningSnapshot before = session.Snapshot();
    MeasureOutcome first = MeasureChannels(session, audio, measureAll, hooks);
    outcome.muteStateRestored = first.muteStateRestored;
    if (first.end != MeasureEnd::Done) {
        outcome.end =
            first.end == MeasureEnd::Cancelled ? CalibrationEnd::Cancelled : CalibrationEnd::Failed;
        outcome.status = first.status;
        return outcome;
    }
    outcome.channels = PlanCalibration(before, first.channels, request);
    outcome.measured = std::move(first.channels);
    if (request.dryRun) {
        outcome.end = CalibrationEnd::Planned;
        return outcome;
    }
    if (hooks.cancelled && hooks.cancelled()) {
        outcome.end = CalibrationEnd::Cancelled;
        return outcome;
    }

    ApplyCalibration(session, outcome.channels, CalibrationParts::Both);
    outcome.end = CalibrationEnd::Applied;

    // The result as the microphone hears it.
    const MeasureOutcome second = MeasureChannels(session, audio, measureAll, hooks);
    outcome.muteStateRestored = second.muteStateRestored;
    if (second.end == MeasureEnd::Done) {
        outcome.verified = true;
        const tuning::GridSpan span = tuning::GridSpanOf(request.fit.lowHz, request.fit.highHz);
        for (const ChannelMeasurement& m : second.channels) {
            ChannelCalibration& c = outcome.channels[static_cast<std::size_t>(m.channel)];
            c.after = tuning::ErrorsOver(m.response.levelsDb, request.target, span);
            c.arrivalAfterMs = m.meanArrivalMs;
        }
        outcome.verification = second.channels;
    } else {
        outcome.status = second.status;
    }
    return outcome;
}

}  // namespace corva
