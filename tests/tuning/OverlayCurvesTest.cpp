// The curves drawn over a measured channel: the measurement centred on 0 dB, the target at the
// prediction's level, the prediction the measurement plus the channel; a filter file's curve drawn as it is.
#include <gtest/gtest.h>

#include "tuning/OverlayCurves.h"

namespace corva::tuning {
namespace {

Response Constant(double level) {
    Response response{};
    response.fill(level);
    return response;
}

TEST(OverlayCurvesTest, AMeasurementIsCentredAndTheChannelAddedToIt) {
    Response measurement = Constant(85.0);
    measurement[10] = 91.0;
    Response channel = Constant(0.0);
    channel[10] = -6.0;
    const OverlayCurves curves = MakeOverlayCurves(measurement, channel, Constant(70.0));
    ASSERT_TRUE(curves.measured && curves.target);
    const double mean = 6.0 / kGridPoints;
    EXPECT_NEAR((*curves.measured)[0], -mean, 1e-9);
    EXPECT_NEAR((*curves.measured)[10], 6.0 - mean, 1e-9);
    EXPECT_NEAR(curves.predicted[10], -mean, 1e-9);  // the band takes the peak away
    EXPECT_NEAR((*curves.target)[5], -6.0 / kGridPoints, 1e-9);  // at the prediction's level
}

TEST(OverlayCurvesTest, WithoutAMeasurementTheTargetKeepsItsOwnLevels) {
    const OverlayCurves curves = MakeOverlayCurves(std::nullopt, Constant(-3.0), Constant(-2.5));
    EXPECT_FALSE(curves.measured);
    EXPECT_DOUBLE_EQ(curves.predicted[100], -3.0);
    EXPECT_DOUBLE_EQ((*curves.target)[100], -2.5);
}

TEST(OverlayCurvesTest, TheCrossoverPartIsFlatWhenBothFiltersAreOff) {
    OutputView channel;
    channel.highPass = {20, 0, 8};
    channel.lowPass = {20000, 0, 8};
    for (const double level : CrossoverPart(channel)) {
        EXPECT_NEAR(level, 0.0, 1e-6);
    }
    channel.highPass = {200, 0, 3};  // 24 dB/oct at 200 Hz: well down at 50 Hz
    EXPECT_LT(CrossoverPart(channel)[static_cast<std::size_t>(NearestGridIndex(50))], -20.0);
}

}  // namespace
}  // namespace corva::tuning
