#include "dsp/values/BandCodes.h"

#include <gtest/gtest.h>

namespace corva {
namespace {

TEST(BandCodesTest, GainCodesCoverMinus20ToPlus20InTenths) {
    EXPECT_EQ(BandGainCode(-20.0), 0);
    EXPECT_EQ(BandGainCode(0.0), kBandGainCodeFlat);
    EXPECT_EQ(BandGainCode(20.0), kBandGainCodeMax);
    EXPECT_EQ(BandGainCode(0.04), 200);  // between steps: to the nearest tenth
    EXPECT_EQ(BandGainCode(0.05), 201);
    EXPECT_EQ(BandGainCode(-0.05), 200);
    EXPECT_EQ(BandGainCode(-25.0), 0) << "a gain outside the record's range is limited";
    EXPECT_EQ(BandGainCode(30.0), kBandGainCodeMax);
    for (int code = 0; code <= kBandGainCodeMax; ++code) {
        ASSERT_EQ(BandGainCode(BandGainDb(code)), code);
    }
}

TEST(BandCodesTest, BandwidthIndexTruncatesButKeepsWholeSteps) {
    EXPECT_EQ(BandwidthIndex(kDefaultBandwidthOctaves), 15);
    EXPECT_EQ(BandwidthIndex(0.05), 0);
    EXPECT_EQ(BandwidthIndex(3.0), kBandwidthIndexMax);
    EXPECT_EQ(BandwidthIndex(4.0), kBandwidthIndexMax);
    for (int index = 0; index <= kBandwidthIndexMax; ++index) {
        ASSERT_EQ(BandwidthIndex(BandwidthOctaves(index)), index);
    }
}

TEST(BandCodesTest, QTableFallsFromNarrowestToWidestBand) {
    EXPECT_DOUBLE_EQ(QOfBandwidthIndex(0), 28.852);
    EXPECT_DOUBLE_EQ(QOfBandwidthIndex(15), 7.208);
    EXPECT_DOUBLE_EQ(QOfBandwidthIndex(24), 4.966);
    EXPECT_DOUBLE_EQ(QOfBandwidthIndex(kBandwidthIndexMax), 0.404);
    for (int index = 1; index <= kBandwidthIndexMax; ++index) {
        ASSERT_LE(QOfBandwidthIndex(index), QOfBandwidthIndex(index - 1));
    }
    EXPECT_DOUBLE_EQ(QOfBandwidthIndex(-1), 28.852) << "outside indexes read the nearest end";
    EXPECT_DOUBLE_EQ(QOfBandwidthIndex(400), 0.404);
}

TEST(BandCodesTest, TypedQSelectsFirstIndexNotAboveIt) {
    EXPECT_EQ(BandwidthIndexForQ(5.0), 24);
    EXPECT_EQ(BandwidthIndexForQ(4.966), 24);
    EXPECT_EQ(BandwidthIndexForQ(4.965), 25);
    EXPECT_EQ(BandwidthIndexForQ(28.852), 0);
    EXPECT_EQ(BandwidthIndexForQ(100.0), 0);
    EXPECT_EQ(BandwidthIndexForQ(0.1), kBandwidthIndexMax);
    EXPECT_EQ(BandwidthIndexForQ(-3.0), kBandwidthIndexMax);
}

TEST(BandCodesTest, QTextHasTwoDecimalsAboveTenOtherwiseThree) {
    EXPECT_EQ(QText(0), "28.85");
    EXPECT_EQ(QText(9), "10.30");
    EXPECT_EQ(QText(10), "9.614");
    EXPECT_EQ(QText(16), "6.864");
    EXPECT_EQ(QText(kBandwidthIndexMax), "0.404");
}

}  // namespace
}  // namespace corva
