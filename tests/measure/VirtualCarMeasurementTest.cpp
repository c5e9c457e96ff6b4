// Sweeps played through the virtual car and analysed: every channel's arrival time and
// response against the car's true ones (the tuning's response times the cabin's).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <filesystem>

#include "measure/ImpulseAnalysis.h"
#include "measure/NoiseAnalyser.h"
#include "measure/PinkNoise.h"
#include "measure/SweepAnalysis.h"
#include "model/ChannelEditor.h"
#include "sim/FactoryImage.h"
#include "sim/VirtualCar.h"

namespace corva::measure {
namespace {

constexpr double kDelayStepMs = 1.0 / 48.0;

// The true response of `channel` alone on the bins of a 131072-point FFT, smoothed to 1/N
// octave the way measurements are.
Response TrueLevels(const sim::VirtualCar& car, const ParameterImage& image, int channel,
                    int fraction) {
    PowerSpectrum truth;
    truth.binHz = static_cast<double>(kMeasurementRateHz) / 131072.0;
    std::vector<double> frequencies(65537);
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        frequencies[k] = static_cast<double>(k) * truth.binHz;
    }
    for (const auto& h : car.TrueTransfer(image, channel, frequencies)) {
        truth.power.push_back(std::norm(h));
    }
    return GridLevels(truth, fraction);
}

// The factory tuning changed by `edit` and with only `channel` sounding.
ParameterImage SoloImage(int channel, const std::function<void(ChannelEditor&)>& edit) {
    TuningSession session;
    SessionState& state = session.engine();
    state.image = sim::FactoryImage();
    state.model.LoadFromImage(state.image, 0);
    ChannelEditor editor(session);
    edit(editor);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        editor.SetOn(c, OnOffOf(c == channel));
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

        const Response expected = TrueLevels(car, image, c, 6);
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

TEST(VirtualCarMeasurement, PinkNoiseFromAStickGivesTheMagnitudeWithoutAWire) {
    // The file for the stick: a 16-bit mono WAV of the repeated period.
    const std::string path =
        (std::filesystem::temp_directory_path() / "corva-pink-test.wav").string();
    ASSERT_TRUE(WritePinkNoiseFile(path, 2.0).ok());
    EXPECT_EQ(std::filesystem::file_size(path), 44u + 2u * 96000u);
    std::filesystem::remove(path);

    const std::vector<double> period = MakePinkNoisePeriod();
    std::vector<double> played;
    for (int repeat = 0; repeat < 5; ++repeat) {
        played.insert(played.end(), period.begin(), period.end());
    }
    sim::VirtualCar car;
    const ParameterImage image = SoloImage(2, ShapeChannels);
    const std::vector<double> heard = car.Play(image, played, static_cast<int>(played.size()));
    for (const int fraction : {6, 12}) {
        const Response measured = NoiseResponse(heard, fraction, period);
        const Response expected = TrueLevels(car, image, 2, fraction);
        const auto& grid = GridFrequencies();
        double worst = 0.0;
        for (std::size_t i = 0; i < grid.size(); ++i) {
            if (grid[i] >= 30.0 && grid[i] <= 16000.0) {
                worst = std::max(worst, std::abs(measured[i] - expected[i]));
            }
        }
        std::printf("pink noise, 1/%d octave: worst error %.3f dB\n", fraction, worst);
        EXPECT_LT(worst, 1.0) << "1/" << fraction << " octave";
    }
}

}  // namespace
}  // namespace corva::measure
