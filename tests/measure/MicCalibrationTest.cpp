// Microphone calibration files as makers ship them, applied to measured levels, and the power
// average of several microphone positions with its spread.
#include <gtest/gtest.h>

#include <cmath>

#include "measure/MicCalibration.h"
#include "measure/PositionAverage.h"

namespace corva::measure {
namespace {

TEST(MicCalibration, ReadsTheSensitivityLineAndTakesTheMicrophoneOut) {
    const MicCalibration calibration = ParseMicCalibration(
        "\"Sens Factor =-1.378dB, AGain =18dB, SERNO: 7012345\"\n"
        "10.054\t-1.3106\t0\n20.0\t2.0\t0\n20000.0\t2.0\n");
    ASSERT_TRUE(calibration.status.ok()) << calibration.status.message().In(UiLanguage::English);
    ASSERT_TRUE(calibration.sensitivityDb.has_value());
    EXPECT_DOUBLE_EQ(*calibration.sensitivityDb, -1.378);
    Response levels{};
    levels.fill(-10.0);
    const Response corrected = Calibrated(levels, calibration);
    EXPECT_NEAR(corrected[136], -12.0, 1e-9);  // 1 kHz

    // A broken line names its line number in the file.
    const MicCalibration broken = ParseMicCalibration("\"Sens Factor =-1dB\"\n20 1\n40 x\n");
    ASSERT_FALSE(broken.status.ok());
    EXPECT_EQ(broken.status.message().In(UiLanguage::English), "Line 3: \"x\" is not a number.");
}

TEST(PositionAverage, AveragesPowerAndKeepsTheSpread) {
    Response a{};
    Response b{};
    a.fill(0.0);
    b.fill(-6.0);
    const AveragedResponse average = PowerAverage({a, b});
    EXPECT_NEAR(average.levelsDb[0], 10.0 * std::log10((1.0 + std::pow(10.0, -0.6)) / 2.0), 1e-9);
    EXPECT_DOUBLE_EQ(average.spreadDb[100], 6.0);
}

}  // namespace
}  // namespace corva::measure
