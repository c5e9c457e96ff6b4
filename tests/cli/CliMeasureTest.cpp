// audio-devices, measure and calibrate on the tool's built-in simulated processor and its
// virtual car, as scripts use them.
#include <gtest/gtest.h>

#include "CliFixture.h"
#include "CliJson.h"

namespace corva::test {
namespace {

using CliMeasureTest = CliFixture;

TEST_F(CliMeasureTest, MeasureWritesExportsTheFitReadsAndCalibrateAppliesAndReports) {
    JsonDocument devices(Sim({"--json", "audio-devices"}).out);
    ASSERT_TRUE(devices.ok());
    EXPECT_EQ(SizeOf(Member(devices.root(), "devices")), 2);

    const CliRun measured = Sim({"--json", "measure", "FL", "ULF", "--sweep", "0.3", "--positions",
                                 "2", "--out", scratch.path()});
    ASSERT_EQ(measured.exitCode, 0) << measured.err;
    JsonDocument report(measured.out);
    ASSERT_TRUE(report.ok()) << measured.out;
    const cJSON* channels = Member(report.root(), "channels");
    ASSERT_EQ(SizeOf(channels), 2);
    // The sub in the boot is farther from the seat than the left door.
    EXPECT_GT(Member(Item(channels, 1), "relative_ms")->valuedouble, 2.0);
    EXPECT_TRUE(BoolOf(report.root(), "mute_state_restored"));
    // The export is a measurement the tool's own fit reads.
    EXPECT_EQ(Sim({"auto-eq", scratch.File("FL.txt"), "FL", "--dry-run"}).exitCode, 0);

    const CliRun calibrated = Sim({"--json", "calibrate", "--sweep", "0.3", "--target", "house"});
    ASSERT_EQ(calibrated.exitCode, 0) << calibrated.err;
    JsonDocument result(calibrated.out);
    ASSERT_TRUE(result.ok()) << calibrated.out;
    EXPECT_TRUE(BoolOf(result.root(), "applied"));
    EXPECT_TRUE(BoolOf(result.root(), "verified"));
    const cJSON* list = Member(result.root(), "channels");
    ASSERT_EQ(SizeOf(list), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_LT(Member(Item(list, c), "rms_after_db")->valuedouble, 1.5) << c;
    }
    // The delays reached the processor.
    JsonDocument info(Sim({"--json", "info"}).out);
    EXPECT_EQ(IntOf(Channel(info, 0), "delay_code"), IntOf(Item(list, 0), "delay_code"));

    EXPECT_EQ(Sim({"measure", "FL", "FL"}).exitCode, 1);
    EXPECT_EQ(Sim({"calibrate", "--sweep", "100"}).exitCode, 1);
    EXPECT_EQ(Sim({"measure", "FL", "--cal", scratch.File("missing.txt")}).exitCode, 2);
}

// Without a wire: the noise file for the stick, and the magnitude recorded while it plays (on
// the virtual car the noise is fed in with --play).
TEST_F(CliMeasureTest, PinkNoiseForTheStickAndTheRtaWhileItPlays) {
    ASSERT_EQ(Sim({"pink-noise", scratch.File("noise.wav"), "--seconds", "2"}).exitCode, 0);
    const std::string wav = ReadText(scratch.File("noise.wav"));
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.size(), 44u + 2u * 96000u);  // 16-bit mono, 2 s at 48 kHz

    const CliRun rta =
        Sim({"--json", "rta", "--play", "--seconds", "5", "--out", scratch.File("rta.txt")});
    ASSERT_EQ(rta.exitCode, 0) << rta.err;
    JsonDocument report(rta.out);
    ASSERT_TRUE(report.ok()) << rta.out;
    EXPECT_EQ(SizeOf(Member(report.root(), "third_octaves")), 31);
    // The curve is a measurement the tool's own fit reads.
    EXPECT_EQ(Sim({"auto-eq", scratch.File("rta.txt"), "FL", "--dry-run"}).exitCode, 0);

    EXPECT_EQ(Sim({"rta", "--seconds", "2"}).exitCode, 1);  // shorter than two noise periods
    EXPECT_EQ(Sim({"rta", "--fraction", "3"}).exitCode, 1);
    EXPECT_EQ(Sim({"pink-noise", scratch.path()}).exitCode, 1);  // a folder is no file
}

}  // namespace
}  // namespace corva::test
