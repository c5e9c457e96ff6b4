// `diff` between files, the live tuning and stored presets of the built-in simulator: the
// differing cells only, in the table's texts, and exit 0 / 5 for equal / different.
#include <gtest/gtest.h>

#include <sstream>

#include "CliFixture.h"
#include "CliJson.h"

namespace corva::test {
namespace {

class CliDiffTest : public CliFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(Sim({"read", "before.qvms"}).exitCode, 0);
        ASSERT_EQ(Sim({"set", "FL", "eq7.gain=4.5"}).exitCode, 0);
        ASSERT_EQ(Sim({"read", "after.qvms"}).exitCode, 0);
    }
};

TEST_F(CliDiffTest, FilesDifferingInOneBandsGainPrintExactlyThatLine) {
    const CliRun run = Offline({"diff", "before.qvms", "after.qvms"});
    EXPECT_EQ(run.exitCode, 5) << run.err;
    EXPECT_EQ(run.out, "Front.Left  EQ7 Gain  0.0dB  4.5dB\n");

    const CliRun same = Offline({"diff", "after.qvms", "after.qvms"});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
}

// Two complete files compare their 15 stored presets too, one line per cell naming the preset.
TEST_F(CliDiffTest, CompleteFilesDifferingInOneStoredPresetNameIt) {
    ASSERT_EQ(Sim({"backup", "first.qvma"}).exitCode, 0);
    ASSERT_EQ(Sim({"store", "4", "Garage"}).exitCode, 0);
    ASSERT_EQ(Sim({"backup", "second.qvma"}).exitCode, 0);
    const CliRun run = Offline({"diff", "first.qvma", "second.qvma"});
    EXPECT_EQ(run.exitCode, 5) << run.err;
    // The name and the band the live tuning carried when it was stored there.
    EXPECT_NE(run.out.find("Name      Preset4  Garage\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("preset:4 Front.Left  EQ7 Gain  0.0dB"), std::string::npos) << run.out;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.rfind("preset:4", 0), 0u) << line;  // the live tunings are equal
    }
    EXPECT_EQ(Offline({"diff", "second.qvma", "second.qvma"}).exitCode, 0);
}

TEST_F(CliDiffTest, JsonNamesBothSidesAndEveryDifference) {
    const CliRun run = Offline({"--json", "diff", "after.qvms", "before.qvms"});
    ASSERT_EQ(run.exitCode, 5) << run.err;
    JsonDocument diff(run.out);
    EXPECT_FALSE(BoolOf(diff.root(), "equal"));
    const cJSON* only = Item(Member(diff.root(), "differences"), 0);
    EXPECT_EQ(TextOf(only, "channel"), "Front.Left");
    EXPECT_EQ(TextOf(only, "parameter"), "EQ7 Gain");
    EXPECT_EQ(TextOf(only, "a"), "4.5dB");
    EXPECT_EQ(TextOf(only, "b"), "0.0dB");
    EXPECT_EQ(cJSON_GetArraySize(Member(diff.root(), "differences")), 1);
}

TEST_F(CliDiffTest, LiveAndStoredPresetsAreReadFromTheProcessor) {
    const CliRun live = Sim({"diff", "live", "after.qvms"});
    EXPECT_EQ(live.exitCode, 0) << live.err;
    EXPECT_EQ(live.out, "");
    ASSERT_EQ(Sim({"store", "3", "Shaped"}).exitCode, 0);
    ASSERT_EQ(Sim({"set", "FL", "eq7.gain=0"}).exitCode, 0);
    const CliRun stored = Sim({"diff", "preset:3", "live"});
    EXPECT_EQ(stored.exitCode, 5) << stored.err;
    EXPECT_EQ(stored.out, "Front.Left  EQ7 Gain  4.5dB  0.0dB\n");
}

TEST_F(CliDiffTest, BadSourcesAreUsageOrFileErrors) {
    EXPECT_EQ(Offline({"diff", "before.qvms"}).exitCode, 1);
    EXPECT_EQ(Offline({"diff", "before.qvms", "preset:16"}).exitCode, 1);
    EXPECT_EQ(Offline({"diff", "before.qvms", "notes.txt"}).exitCode, 1);
    EXPECT_EQ(Offline({"diff", "before.qvms", "missing.qvms"}).exitCode, 2);
}

}  // namespace
}  // namespace corva::test
