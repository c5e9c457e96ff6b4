// Sweeps played through the virtual car and analysed: every channel's arrival time and
// response against the car's true ones (the tuning's response times the cabin's).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "measure/ImpulseAnalysis.h"
#include "measure/SweepAnalysis.h"
#include "model/ChannelEditor.h"
#include "sim/FactoryImage.h"
#include "sim/VirtualCar.h"

namespace corva::measure {
namespace {

constexpr double kDelayStepMs = 1.0 / 48.0;

// The factory tuning changed by `edit` and with only `channel` sounding.
ParameterImage SoloImage(int channel, const std::function<void(ChannelEditor&)>& edit) {
    TuningSession session;
    SessionState& state = session.engine();
    state.image = sim::FactoryImage();
    state.model.LoadFromImage(state.image, 0);
    ChannelEditor editor(session);
    edit(editor);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        editor.SetOn(c, c == channel ? 1 : 0);
    }
    state.model.WriteAllToImage(state.image);
    return state.image;
}

// Bands on every channel, different per channel, and a delay on two of them.
void ShapeChannels(ChannelEditor& editor) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        EqualizerSettings eq;
        eq.bands[0] = {FilterType::Peaking, 1, 120 + 40 * c, BandGainCode(-6.0 + c), 40};
        eq.bands[1] = {FilterType::Peaking, 1, 2500 + 300 * c, BandGainCode(4.0), 30};
        eq.bands[2] = {FilterType::HighShelf, 1, 9000, BandGainCode(-3.0), 15};
        editor.ApplyEqualizer(c, eq);
    }
    editor.CommitDelay(1, 30);
    editor.CommitDelay(4, 7);
}

TEST(VirtualCarMeasurement, SweepsRecoverEveryChannelsArrivalAndResponse) {
    SweepSettings settings;
    settings.durationS = 0.5;
    const int recordSamples = static_cast<int>(1.1 * kMeasurementRateHz);
    const SweepDeconvolver deconvolver(settings, recordSamples);
    sim::VirtualCar car;
    std::array<double, kOutputChannelCount> measuredMs{};
    std::array<double, kOutputChannelCount> trueMs{};
    double worstResponseDb = 0.0;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const ParameterImage image = SoloImage(c, ShapeChannels);
        const SweepResult result =
            AnalyseSweep(deconvolver, car.Play(image, deconvolver.sweep(), recordSamples), 6);
        ASSERT_TRUE(result.arrivalMs.has_value()) << c;
        measuredMs[static_cast<std::size_t>(c)] = *result.arrivalMs;
        const int delayCode = c == 1 ? 30 : (c == 4 ? 7 : 0);
        trueMs[static_cast<std::size_t>(c)] =
            1000.0 * car.cabin().speakers[static_cast<std::size_t>(c)].distanceM /
                sim::kSpeedOfSoundMPerS +
            delayCode * kDelayStepMs;

        // The true response on the same bins, smoothed the same way.
        PowerSpectrum truth;
        truth.binHz = static_cast<double>(kMeasurementRateHz) / 131072.0;
        std::vector<double> frequencies(65537);
        for (std::size_t k = 0; k < frequencies.size(); ++k) {
            frequencies[k] = static_cast<double>(k) * truth.binHz;
        }
        for (const auto& h : car.TrueTransfer(image, c, frequencies)) {
            truth.power.push_back(std::norm(h));
        }
        const Response expected = GridLevels(truth, 6);
        const auto& grid = GridFrequencies();
        for (std::size_t i = 0; i < grid.size(); ++i) {
            if (grid[i] >= 30.0 && grid[i] <= 16000.0) {
                const double error = std::abs(result.levelsDb[i] - expected[i]);
                worstResponseDb = std::max(worstResponseDb, error);
                EXPECT_LT(error, 0.5) << "channel " << c + 1 << " at " << grid[i] << " Hz";
            }
        }
    }
    double worstArrivalMs = 0.0;
    for (int c = 1; c < kOutputChannelCount; ++c) {
        const double measured = measuredMs[static_cast<std::size_t>(c)] - measuredMs[0];
        const double truth = trueMs[static_cast<std::size_t>(c)] - trueMs[0];
        worstArrivalMs = std::max(worstArrivalMs, std::abs(measured - truth));
        EXPECT_LT(std::abs(measured - truth), kDelayStepMs) << "channel " << c + 1;
    }
    RecordProperty("worst_response_error_db", std::to_string(worstResponseDb));
    RecordProperty("worst_arrival_difference_error_ms", std::to_string(worstArrivalMs));
    std::printf("worst response error %.3f dB, worst arrival difference error %.4f ms\n",
                worstResponseDb, worstArrivalMs);
}

}  // namespace
}  // namespace corva::measure
