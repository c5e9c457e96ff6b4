// Reading measurement exports and bringing them onto the response grid.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "tuning/Measurement.h"

namespace corva::tuning {
namespace {

std::string Refusal(std::string_view text) {
    const MeasurementRead read = ParseMeasurement(text);
    EXPECT_FALSE(read.status.ok()) << text;
    return read.status.message().In(UiLanguage::English);
}

TEST(MeasurementFile, ReadsRewExportsAndFrdFilesInEverySeparatorStyle) {
    const char* rew =
        "* Measurement data measured by REW\n"
        "* Source: FL door, 1/48 smoothing\n"
        "* Freq(Hz) SPL(dB) Phase(degrees)\n"
        "20.000 78.125 -12.5\n"
        "100.000\t82.5\t3.0\r\n"
        "  1000.0   85.000  \n";
    const MeasurementRead read = ParseMeasurement(rew);
    ASSERT_TRUE(read.status.ok()) << read.status.message().In(UiLanguage::English);
    ASSERT_EQ(read.points.size(), 3u);
    EXPECT_DOUBLE_EQ(read.points[1].frequencyHz, 100.0);
    EXPECT_DOUBLE_EQ(read.points[1].splDb, 82.5);

    // Commas as separators, decimal commas with semicolons, tabs or blanks, no phase column.
    for (const char* text : {"20.5,-3.25,10\n2000.0,1.5,0\n", "20,5;-3,25;10\n2000;1,5;0\n",
                             "20,5\t-3,25\n2000\t1,5\n", "20,5 -3,25\n2000 1,5\n",
                             "20.5, -3.25\n2000, 1.5\n", "* FRD\n20.5 -3.25 10\n2000 1.5 0\n"}) {
        const MeasurementRead other = ParseMeasurement(text);
        ASSERT_TRUE(other.status.ok()) << text << other.status.message().In(UiLanguage::English);
        ASSERT_EQ(other.points.size(), 2u) << text;
        EXPECT_DOUBLE_EQ(other.points[0].frequencyHz, 20.5) << text;
        EXPECT_DOUBLE_EQ(other.points[0].splDb, -3.25) << text;
        EXPECT_DOUBLE_EQ(other.points[1].splDb, 1.5) << text;
    }
}

TEST(MeasurementFile, RefusesWhatIsNotAMeasurementNamingTheLine) {
    EXPECT_EQ(Refusal("20 1\n40 2\n30 3\n"),
              "Line 3: the frequencies must increase from line to line.");
    EXPECT_EQ(Refusal("20 1\n20 2\n"), "Line 2: the frequencies must increase from line to line.");
    EXPECT_EQ(Refusal("* x\n20 1\n40 abc\n"), "Line 3: \"abc\" is not a number.");
    EXPECT_EQ(Refusal("20 nan\n40 1\n"), "Line 1: \"nan\" is not a number.");
    EXPECT_EQ(Refusal("20 inf\n40 1\n"), "Line 1: \"inf\" is not a number.");
    EXPECT_EQ(Refusal("20\n"), "Line 1: expected a frequency and a level.");
    EXPECT_EQ(Refusal("-5 1\n40 1\n"), "Line 1: the frequency must be above 0 Hz.");
    // Only one point in 20 Hz..20 kHz, however many outside it.
    EXPECT_EQ(Refusal("5 1\n10 1\n1000 1\n30000 1\n"),
              "The measurement has fewer than two points between 20 Hz and 20 kHz.");
    EXPECT_EQ(Refusal(""), "The measurement has fewer than two points between 20 Hz and 20 kHz.");
    // Refusals come in both languages.
    EXPECT_FALSE(ParseMeasurement("20 x\n").status.message().In(UiLanguage::Chinese).empty());
}

TEST(MeasurementFile, AFileThatCannotBeReadNamesItsPath) {
    const MeasurementRead read = ReadMeasurementFile("/nonexistent/fl.txt");
    EXPECT_FALSE(read.status.ok());
    EXPECT_NE(read.status.message().In(UiLanguage::English).find("/nonexistent/fl.txt"),
              std::string::npos);
}

// Outside text that is not a measurement is refused with a reason a person can act on: a pipe
// or a device is never opened (it would wait for ever), an encoding the reader cannot take is
// named, and a hostile line is quoted only as a short excerpt with its control codes escaped.
TEST(MeasurementFile, PipesEncodingsAndHostileLinesAreRefusedReadably) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("measurement-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string pipe = (folder / "pipe.txt").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto refusal = [](const std::string& path) {
        const MeasurementRead read = ReadMeasurementFile(path);
        EXPECT_FALSE(read.status.ok()) << path;
        return read.status.message().In(UiLanguage::English);
    };
    EXPECT_NE(refusal(pipe).find("not a regular file"), std::string::npos);
    EXPECT_NE(refusal("/dev/zero").find("not a regular file"), std::string::npos);

    const auto write = [&](const std::string& name, const std::string& bytes) {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    };
    EXPECT_NE(refusal(write("utf16.txt", std::string("\xFF\xFE"
                                                     "2\0"
                                                     "0\0 \0"
                                                     "1\0",
                                                     10)))
                  .find("UTF-16"),
              std::string::npos);
    EXPECT_NE(refusal(write("mac.txt", "20 1\r40 2\r")).find("CR alone"), std::string::npos);

    const std::string hostile = "20 1\n40 \x1b[31m" + std::string(100000, 'x') + "\n";
    const std::string message = refusal(write("hostile.txt", hostile));
    EXPECT_LT(message.size(), 200u);
    EXPECT_EQ(message.find('\x1b'), std::string::npos);
    EXPECT_NE(message.find("\\x1B[31m"), std::string::npos) << message;
    std::filesystem::remove_all(folder);
}

TEST(MeasurementGrid, InterpolatesOverLogFrequencyAndHoldsTheEnds) {
    // 0 dB at 100 Hz rising to 12 dB at 1600 Hz: 3 dB per octave in log frequency.
    const std::vector<MeasurementPoint> points{{100.0, 0.0}, {1600.0, 12.0}};
    const Response levels = ResampleToGrid(points);
    const auto& grid = GridFrequencies();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const double expected =
            grid[i] <= 100.0 ? 0.0 : (grid[i] >= 1600.0 ? 12.0 : 3.0 * std::log2(grid[i] / 100.0));
        EXPECT_NEAR(levels[i], expected, 1e-9) << grid[i];
    }
}

TEST(MeasurementGrid, SmoothingAveragesOverTheOctaveFraction) {
    // A narrow 10 dB spike at 1 kHz between flat stretches.
    std::vector<MeasurementPoint> points;
    for (double hz = 20.0; hz <= 20000.0; hz *= std::exp2(1.0 / 96.0)) {
        const double octaves = std::abs(std::log2(hz / 1000.0));
        points.push_back({hz, octaves < 0.02 ? 10.0 : 0.0});
    }
    const Response raw = ResampleToGrid(points);
    const Response third = ResampleToGrid(points, 3);
    const Response sixth = ResampleToGrid(points, 6);
    constexpr std::size_t k1000 = 136;
    EXPECT_GT(raw[k1000], 9.0);
    EXPECT_LT(third[k1000], sixth[k1000]);  // wider window, lower spike
    EXPECT_LT(third[k1000], 2.0);
    EXPECT_GT(third[k1000], 0.5);
    EXPECT_NEAR(third[40], 0.0, 1e-12);  // far from the spike nothing changes
    EXPECT_NEAR(third[230], 0.0, 1e-12);
}

}  // namespace
}  // namespace corva::tuning
