// Files written by other tools as they really are: REW's filter exports in locales with a
// decimal comma, its fixed-slope shelves and room-mode filters, gains beyond the processor's
// range, measurement exports with a header row, extra columns, a 0 Hz row or binary bytes, and
// the boost limit of the auto-EQ on the whole predicted result.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dsp/values/BandCodes.h"
#include "model/ChannelEditor.h"
#include "tuning/AutoEq.h"
#include "tuning/FilterImport.h"
#include "tuning/IdealFilters.h"
#include "tuning/Measurement.h"
#include "tuning/ProcessorFit.h"
#include "tuning/TargetCurves.h"

namespace corva::tuning {
namespace {

std::string Refusal(const FilterFileRead& read) {
    return read.status.ok() ? std::string{} : read.status.message().In(UiLanguage::English);
}

TEST(ForeignFilterFiles, ReadNumbersByTheFilesOwnDecimalMarkAndRefuseAmbiguousOnes) {
    // REW with a decimal comma: thousands grouped by a point or a no-break space.
    const FilterFileRead german = ParseFilterFile(
        "Filter  1: ON  PK       Fc   63,50 Hz  Gain  -3,00 dB  Q  4,000\n"
        "Filter  2: ON  LP       Fc   8.000 Hz\n"
        "Filter  3: ON  PK       Fc   1\xC2\xA0"
        "000 Hz  Gain  2,0 dB  Q  1,000\n"
        "Filter  4: ON  PK       Fc   12.500,5 Hz  Gain  1,0 dB  Q  2\n");
    ASSERT_TRUE(german.status.ok()) << Refusal(german);
    EXPECT_DOUBLE_EQ(german.filters[0].frequencyHz, 63.5);
    EXPECT_DOUBLE_EQ(*german.filters[0].q, 4.0);
    EXPECT_DOUBLE_EQ(german.filters[1].frequencyHz, 8000.0);  // not an 8 Hz low-pass
    EXPECT_DOUBLE_EQ(german.filters[2].frequencyHz, 1000.0);
    EXPECT_DOUBLE_EQ(*german.filters[2].q, 1.0);
    EXPECT_DOUBLE_EQ(german.filters[3].frequencyHz, 12500.5);

    // The same marks with a decimal point: "8.000" is eight.
    const FilterFileRead english =
        ParseFilterFile("Filter 1: ON PK Fc 63.50 Hz Gain -3.00 dB Q 8.000\n");
    ASSERT_TRUE(english.status.ok()) << Refusal(english);
    EXPECT_DOUBLE_EQ(*english.filters[0].q, 8.0);

    // Nothing in the file tells whether "1,000" is one or a thousand: the line is refused.
    EXPECT_EQ(Refusal(ParseFilterFile("Filter 1: ON LP Fc 1,000 Hz\n")),
              "Line 1: the filter cannot be read (Fc: \"1,000\" may use a decimal or a "
              "thousands mark).");
    // Broken grouping is not a number.
    EXPECT_FALSE(ParseFilterFile("Filter 1: ON PK Fc 1.00.0 Hz Gain 1,5 dB Q 1\n").status.ok());
}

TEST(ForeignFilterFiles, FixedSlopeShelvesAreFittedFromTheirCornerAndModalIsAPeak) {
    const FilterFileRead read = ParseFilterFile(
        "Filter 1: ON LS 6dB Fc 100 Hz Gain 10.0 dB\n"
        "Filter 2: ON HS 12dB Fc 4000 Hz Gain -8.0 dB\n"
        "Filter 3: ON Modal Fc 45.00 Hz Gain -6.0 dB Q 8.000 T60 target 300 ms\n");
    ASSERT_TRUE(read.status.ok()) << Refusal(read);
    ASSERT_EQ(read.filters.size(), 3u);
    EXPECT_EQ(read.filters[2].type, FileFilterType::Peaking);
    // The gain is half way at the midpoint, toward the flat side of the corner.
    const double lowMidHz = 100.0 * std::pow(10.0, 10.0 / 40.0);
    const double highMidHz = 4000.0 / std::pow(10.0, 8.0 / 80.0);
    EXPECT_NEAR(ShelfMidpointHz(read.filters[0]), lowMidHz, 1e-9);
    EXPECT_NEAR(ShelfMidpointHz(read.filters[1]), highMidHz, 1e-9);
    const Response low = IdealFilterResponse(read.filters[0]);
    const Response high = IdealFilterResponse(read.filters[1]);
    EXPECT_NEAR(low[static_cast<std::size_t>(NearestGridIndex(lowMidHz))], 5.0, 0.2);
    EXPECT_NEAR(high[static_cast<std::size_t>(NearestGridIndex(highMidHz))], -4.0, 0.2);
    EXPECT_NEAR(low[0], 10.0, 0.3);

    TuningSession session;
    const FilterImport plan =
        PlanFilterImport(read, 0, session.Snapshot().outputs[0], RestPolicy::RefuseAll);
    ASSERT_FALSE(plan.refused) << plan.refusal.In(UiLanguage::English);
    for (const auto& entry : plan.filters) {
        EXPECT_LT(entry.deviationDb, 1.0) << DescribeFileFilter(entry.filter);
    }
}

TEST(ForeignFilterFiles, AGainBeyondTheBandsRangeIsLimitedAndSaysSo) {
    const FilterFileRead read = ParseFilterFile(
        "Filter 1: ON PK Fc 100 Hz Gain 25.0 dB Q 2\nFilter 2: ON PK Fc 500 Hz Gain -6 dB Q 2\n");
    ASSERT_TRUE(read.status.ok());
    TuningSession session;
    const FilterImport plan =
        PlanFilterImport(read, 0, session.Snapshot().outputs[0], RestPolicy::RefuseAll);
    ASSERT_EQ(plan.filters.size(), 2u);
    EXPECT_TRUE(plan.filters[0].gainLimited);
    EXPECT_DOUBLE_EQ(BandGainDb(plan.filters[0].bandSetting.gainCode), 20.0);
    EXPECT_FALSE(plan.filters[1].gainLimited);
}

TEST(ForeignMeasurements, HeaderRowsExtraColumnsAndRowsOutsideTheAudibleRangeAreRead) {
    // AutoEq's CSV: names first, the raw response in the second column of many.
    const MeasurementRead csv = ParseMeasurement(
        "frequency,raw,error,smoothed,error_smoothed,equalization\n"
        "20.00,-3.10,1.2,,0.5,nan\n"
        "1000.00,0.00,0.0,0.0,0.0,0.0\n"
        "20000.00,-8.50,2.0,1.0,1.0,1.0\n");
    ASSERT_TRUE(csv.status.ok()) << csv.status.message().In(UiLanguage::English);
    ASSERT_EQ(csv.points.size(), 3u);
    EXPECT_DOUBLE_EQ(csv.points[0].splDb, -3.1);
    // A linear export's 0 Hz row and points beyond 20 kHz are skipped.
    const MeasurementRead linearOk =
        ParseMeasurement("0 70.0 0\n20 80.0 0\n1000 81 0\n24000 60.0 0\n");
    ASSERT_TRUE(linearOk.status.ok());
    EXPECT_EQ(linearOk.points.size(), 2u);
    // Bytes of a binary file are never echoed in the message.
    const std::string binary(
        "\x7F"
        "ELF\x02\x01\x01\x00\x00 \xFF\xFE\n",
        14);
    const MeasurementRead refused = ParseMeasurement(binary);
    ASSERT_FALSE(refused.status.ok());
    EXPECT_EQ(refused.status.message().In(UiLanguage::English),
              "Line 1: the line is not text of numbers.");
}

TEST(ForeignMeasurements, TheBoostLimitHoldsForTheWholePredictedResult) {
    // A real car's top end: a deep, narrow dip at 15 kHz beside broad ones.
    Response measurement{};
    const auto& grid = GridFrequencies();
    for (std::size_t i = 0; i < measurement.size(); ++i) {
        const double octaves = std::log2(grid[i] / 15000.0);
        const double mid = std::log2(grid[i] / 3000.0);
        measurement[i] = 80.0 - 12.0 * std::exp(-octaves * octaves / 0.01) -
                         5.0 * std::exp(-mid * mid / 0.5) - (grid[i] > 16000.0 ? 10.0 : 0.0);
    }
    for (const double limitDb : {4.0, 6.0}) {
        AutoEqOptions options;
        options.maxBoostDb = limitDb;
        const AutoEqResult result = FitAutoEq(measurement, FlatTarget(), Response{}, options);
        double highestRise = -100.0;
        for (std::size_t i = 0; i < measurement.size(); ++i) {
            highestRise = std::max(highestRise, result.predicted[i] - measurement[i]);
        }
        EXPECT_LE(highestRise, limitDb + 0.01) << "limit " << limitDb;
    }
}

}  // namespace
}  // namespace corva::tuning
