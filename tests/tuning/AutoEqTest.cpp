// Auto-EQ on measurements made from known filters of the processor's own ranges.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "dsp/values/BandCodes.h"
#include "tuning/AutoEq.h"
#include "tuning/ProcessorFit.h"
#include "tuning/TargetCurves.h"

namespace corva::tuning {
namespace {

BandSetting Peak(int hz, double gainDb, int bandwidthIndex) {
    return {FilterType::Peaking, 1, hz, BandGainCode(gainDb), bandwidthIndex};
}

// A speaker in a car as the processor's own filters would shape it, at 85 dB.
Response KnownMeasurement() {
    const BandSetting shape[] = {
        Peak(50, 5.0, 60),    Peak(125, -4.0, 25),
        Peak(400, 3.0, 40),   Peak(1000, -6.0, 15),
        Peak(2500, 4.5, 30),  Peak(5000, -3.0, 80),
        Peak(12500, 2.0, 50), {FilterType::HighShelf, 1, 8000, BandGainCode(-3.0), 15},
    };
    Response measurement{};
    measurement.fill(85.0);
    for (const auto& band : shape) {
        const Response r = BandResponse(band);
        for (std::size_t i = 0; i < r.size(); ++i) {
            measurement[i] += r[i];
        }
    }
    return measurement;
}

// Gaussian noise of 1 dB standard deviation from a fixed seed (its own generator, so every
// platform draws the same values).
Response WithNoise(Response levels, double sigmaDb) {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    const auto uniform = [&] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return (static_cast<double>(state >> 11) + 0.5) / 9007199254740992.0;
    };
    for (double& level : levels) {
        const double u1 = uniform();
        const double u2 = uniform();
        level += sigmaDb * std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }
    return levels;
}

const Response kFlat{};

TEST(AutoEq, BringsAMeasurementOfKnownFiltersToTheTarget) {
    const Response measurement = KnownMeasurement();
    const AutoEqResult result = FitAutoEq(measurement, FlatTarget(), kFlat, AutoEqOptions{});
    EXPECT_GT(result.before.rmsDb, 2.0);
    EXPECT_LE(result.after.rmsDb, 0.5);
    EXPECT_LT(result.after.largestDb, result.before.largestDb);
    // The reported curve is the processor's own: measurement plus the bands it will hold.
    Response sum{};
    for (const auto& band : result.bands) {
        const Response r = BandResponse(band);
        for (std::size_t i = 0; i < r.size(); ++i) {
            sum[i] += r[i];
        }
    }
    for (std::size_t i = 0; i < sum.size(); ++i) {
        EXPECT_NEAR(result.predicted[i], measurement[i] + sum[i], 1e-9);
    }
    RecordProperty("rms_before_db", std::to_string(result.before.rmsDb));
    RecordProperty("rms_after_db", std::to_string(result.after.rmsDb));
}

TEST(AutoEq, WithOneDecibelOfNoiseStaysWithinOneAndAHalf) {
    const Response measurement = WithNoise(KnownMeasurement(), 1.0);
    const AutoEqResult result = FitAutoEq(measurement, FlatTarget(), kFlat, AutoEqOptions{});
    EXPECT_LE(result.after.rmsDb, 1.5);
    EXPECT_LT(result.after.rmsDb, result.before.rmsDb);
}

TEST(AutoEq, HoldsOnlyValuesOfTheProcessorWithinTheLimits) {
    // A deep, wide dip asks for far more boost than allowed.
    Response measurement = KnownMeasurement();
    const Response dip = BandResponse(Peak(160, -15.0, 80));
    for (std::size_t i = 0; i < dip.size(); ++i) {
        measurement[i] += dip[i];
    }
    for (const double boostDb : {6.0, 3.0, 0.0}) {
        AutoEqOptions options;
        options.maxBoostDb = boostDb;
        const AutoEqResult result = FitAutoEq(measurement, FlatTarget(), kFlat, options);
        for (const auto& band : result.bands) {
            EXPECT_EQ(band.type, FilterType::Peaking);
            EXPECT_LE(BandGainDb(band.gainCode), boostDb + 1e-9);
            EXPECT_GE(band.gainCode, 0);
            EXPECT_GE(band.bandwidthIndex, 0);
            EXPECT_LE(band.bandwidthIndex, kBandwidthIndexMax);
            EXPECT_GE(band.frequencyHz, 20);
            EXPECT_LE(band.frequencyHz, 20000);
        }
        // Overlapping bands never add up to more than the limit either.
        for (const double db : result.bandsResponse) {
            EXPECT_LE(db, boostDb + 0.01) << "boost limit " << boostDb;
        }
    }
}

TEST(AutoEq, SameInputGivesTheSameBands) {
    const Response measurement = WithNoise(KnownMeasurement(), 1.0);
    const AutoEqResult first = FitAutoEq(measurement, HouseTarget(), kFlat, AutoEqOptions{});
    const AutoEqResult second = FitAutoEq(measurement, HouseTarget(), kFlat, AutoEqOptions{});
    EXPECT_EQ(first.bands, second.bands);
    EXPECT_EQ(first.after.rmsDb, second.after.rmsDb);
}

TEST(AutoEq, KeepsBandsInsideANarrowedRangeAndFollowsAShapedTarget) {
    AutoEqOptions options;
    options.lowHz = 100.0;
    options.highHz = 5000.0;
    const AutoEqResult result = FitAutoEq(KnownMeasurement(), HouseTarget(), kFlat, options);
    for (const auto& band : result.bands) {
        if (band.gainCode != kBandGainCodeFlat) {
            EXPECT_GE(band.frequencyHz, 99);
            EXPECT_LE(band.frequencyHz, 5000);
        }
    }
    EXPECT_LE(result.after.rmsDb, 0.5);
}

TEST(AutoEq, AFlatMeasurementNeedsNoBands) {
    Response measurement{};
    measurement.fill(72.0);
    const AutoEqResult result = FitAutoEq(measurement, FlatTarget(), kFlat, AutoEqOptions{});
    EXPECT_EQ(result.bandsUsed, 0);
    EXPECT_NEAR(result.after.rmsDb, 0.0, 1e-9);
}

TEST(AutoEq, RefusesLimitsTheProcessorCannotFollow) {
    AutoEqOptions options;
    EXPECT_TRUE(CheckAutoEqOptions(options).ok());
    options.maxBoostDb = 25.0;
    EXPECT_FALSE(CheckAutoEqOptions(options).ok());
    options = {};
    options.maxCutDb = -1.0;
    EXPECT_FALSE(CheckAutoEqOptions(options).ok());
    options = {};
    options.lowHz = 1000.0;
    options.highHz = 1100.0;  // less than a third of an octave
    EXPECT_FALSE(CheckAutoEqOptions(options).ok());
    options.lowHz = 10.0;
    options.highHz = 20000.0;
    EXPECT_FALSE(CheckAutoEqOptions(options).ok());
}

}  // namespace
}  // namespace corva::tuning
