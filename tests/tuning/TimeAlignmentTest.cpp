// Delays from the distances between the seat and each speaker.
#include <gtest/gtest.h>

#include "dsp/values/DelayCodes.h"
#include "tuning/TimeAlignment.h"

namespace corva::tuning {
namespace {

TEST(TimeAlignment, DistancesBecomeTheDelayFieldsCodes) {
    const ChannelDistances distances{120.0, 95.0, 140.0, 140.0, 60.0, 100.0};
    const TimeAlignment alignment = AlignFromDistances(distances, DistanceUnit::Centimetres);
    EXPECT_EQ(alignment.farthestChannel, 2);  // the first of the two farthest
    EXPECT_FALSE(alignment.anyLimited);
    // 20, 45, 0, 0, 80 and 40 cm of path, as typed into a delay field in centimetres.
    const int expected[] = {28, 62, 0, 0, 111, 55};
    const char* typed[] = {"20", "45", "0", "0", "80", "40"};
    for (int c = 0; c < 6; ++c) {
        const auto& channel = alignment.channels[static_cast<std::size_t>(c)];
        ASSERT_TRUE(channel.delayCode.has_value());
        EXPECT_EQ(*channel.delayCode, expected[c]) << c;
        EXPECT_EQ(*channel.delayCode, DelayCodeFromText(typed[c], DelayUnit::Centimetres)) << c;
        EXPECT_FALSE(channel.limited);
    }
}

TEST(TimeAlignment, InchesUseTheInchEntryConversion) {
    const ChannelDistances distances{50.0, 40.0, std::nullopt, std::nullopt, std::nullopt, 30.5};
    const TimeAlignment alignment = AlignFromDistances(distances, DistanceUnit::Inches);
    EXPECT_EQ(*alignment.channels[0].delayCode, 0);
    EXPECT_EQ(*alignment.channels[1].delayCode, DelayCodeFromText("10", DelayUnit::Inches));
    EXPECT_EQ(*alignment.channels[5].delayCode, DelayCodeFromText("19.5", DelayUnit::Inches));
    EXPECT_FALSE(alignment.channels[2].delayCode.has_value());  // no distance, no change
}

TEST(TimeAlignment, ASpreadBeyondTheLongestDelayIsLimitedAndReported) {
    // 300 cm against 80 cm: 220 cm of path, more than 5.396 ms of sound (about 187 cm).
    const ChannelDistances distances{300.0, 80.0, 250.0, std::nullopt, std::nullopt, std::nullopt};
    const TimeAlignment alignment = AlignFromDistances(distances, DistanceUnit::Centimetres);
    EXPECT_TRUE(alignment.anyLimited);
    EXPECT_EQ(*alignment.channels[1].delayCode, kDelayCodeMax);
    EXPECT_TRUE(alignment.channels[1].limited);
    EXPECT_DOUBLE_EQ(alignment.channels[1].wantedDistance, 220.0);
    EXPECT_FALSE(alignment.channels[2].limited);
    EXPECT_EQ(*alignment.channels[2].delayCode, DelayCodeFromText("50", DelayUnit::Centimetres));
    EXPECT_NEAR(LongestAlignableDistance(DistanceUnit::Centimetres), 186.92, 0.01);
}

}  // namespace
}  // namespace corva::tuning
