// `diff` between files, the live tuning and stored presets of the built-in simulator: the
// differing cells only, in the table's texts, and exit 0 / 5 for equal / different.
#include <gtest/gtest.h>

#include "CliJson.h"
#include "CliProcess.h"

namespace corva::test {
namespace {

class CliDiffTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Sim({"read", "before.qvms"}).exitCode, 0);
        ASSERT_EQ(Sim({"set", "FL", "eq7.gain=4.5"}).exitCode, 0);
        ASSERT_EQ(Sim({"read", "after.qvms"}).exitCode, 0);
    }
    CliRun Sim(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en", "--sim", "--sim-state", scratch.File("state")});
        return RunCli(args, scratch.path());
    }
    CliRun Offline(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en"});
        return RunCli(args, scratch.path());
    }

    ScratchDir scratch;
};

TEST_F(CliDiffTest, FilesDifferingInOneBandsGainPrintExactlyThatLine) {
    const CliRun run = Offline({"diff", "before.qvms", "after.qvms"});
    EXPECT_EQ(run.exitCode, 5) << run.err;
    EXPECT_EQ(run.out, "Front.Left  EQ7 Gain  0.0dB  4.5dB\n");

    const CliRun same = Offline({"diff", "after.qvms", "after.qvms"});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
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
