// What corva-dsp-cli answers to wrong command lines and bad files: the documented exit code
// and exactly one line on stderr, before anything reaches the processor.
#include <gtest/gtest.h>

#include "CliProcess.h"

namespace corva::test {
namespace {

class CliUsageTest : public ::testing::Test {
protected:
    // Runs against the built-in simulator with a trace, so a test can tell nothing was sent.
    CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en", "--sim", "--trace", scratch.File("trace.txt")});
        return RunCli(args, scratch.path());
    }
    void ExpectOneLine(const std::vector<std::string>& args, int exitCode) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, exitCode) << ::testing::PrintToString(args) << run.err;
        EXPECT_EQ(run.ErrLines().size(), 1u) << ::testing::PrintToString(args) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    bool AnythingWritten() {
        return ReadText(scratch.File("trace.txt")).find(" > ") != std::string::npos;
    }

    ScratchDir scratch;
};

TEST_F(CliUsageTest, WrongCommandLinesAreExitCodeOne) {
    ExpectOneLine({"fly"}, 1);
    ExpectOneLine({}, 1);
    ExpectOneLine({"--colour", "info"}, 1);
    ExpectOneLine({"--lang", "fr", "info"}, 1);
    ExpectOneLine({"recall", "16"}, 1);
    ExpectOneLine({"recall"}, 1);
    ExpectOneLine({"store", "2", "   "}, 1);
    ExpectOneLine({"store", "2", "a name far too long"}, 1);
    ExpectOneLine({"volume", "loud"}, 1);
    ExpectOneLine({"master-mute", "maybe"}, 1);
    ExpectOneLine({"unlock", "123"}, 1);
    ExpectOneLine({"factory-reset", "--no"}, 1);
    ExpectOneLine({"load", "tuning.txt"}, 1);
    ExpectOneLine({"show", "tuning.txt"}, 1);
    ExpectOneLine({"convert", "a.qvms", "b.qvma"}, 1);
    ExpectOneLine({"response", "FL", "--svg", "x"}, 1);
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(CliUsageTest, ABadPairRefusesTheWholeSetBeforeConnecting) {
    for (const auto& pair : {"eq32.gain=1", "eq0.freq=100", "gain=loud", "hpf.slope=20",
                             "hpf.kind=chebyshev", "delay=3furlongs", "mute=yes", "polarity=up",
                             "eq3.q=-1", "name=Toolongname", "colour=red", "gain"}) {
        const CliRun run = Run({"set", "FL", "gain=-3", pair});
        EXPECT_EQ(run.exitCode, 1) << pair;
        ASSERT_EQ(run.ErrLines().size(), 1u) << pair << run.err;
        EXPECT_NE(run.err.find(pair), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    ExpectOneLine({"set", "7", "gain=-3"}, 1);
    ExpectOneLine({"set", "FL"}, 1);
    EXPECT_FALSE(AnythingWritten());
}

TEST_F(CliUsageTest, FilesThatCannotBeReadAreExitCodeTwo) {
    ExpectOneLine({"show", "missing.qvms"}, 2);
    ExpectOneLine({"load", "missing.wkcs"}, 2);
    ExpectOneLine({"firmware", "missing.bin"}, 2);
    // A music file's tag is not a mode file's, and random bytes are no firmware.
    std::vector<std::uint8_t> music = {16};
    const std::string tag = "LFN624_File_1.00";
    music.insert(music.end(), tag.begin(), tag.end());
    music.resize(2201, 0x20);
    WriteBytes(scratch.File("music.dat_d"), music);
    ExpectOneLine({"show", "music.dat_d"}, 2);
    WriteBytes(scratch.File("noise.bin"), {1, 2, 3, 4, 5});
    ExpectOneLine({"firmware", "noise.bin"}, 2);
    WriteBytes(scratch.File("noise.qvms"), {'{', '}'});
    ExpectOneLine({"convert", "noise.qvms", "out.wkcs"}, 2);
    const CliRun trace =
        RunCli({"--sim", "--trace", scratch.File("no/such/folder/t.txt"), "info"}, scratch.path());
    EXPECT_EQ(trace.exitCode, 2);
    EXPECT_EQ(trace.ErrLines().size(), 1u);
}

TEST_F(CliUsageTest, FirmwareRunsOverUsbOnly) {
    WriteBytes(scratch.File("fw.bin"), {'W', 'M', 'C', 'U', 1, 2, 3, 4, 5});
    const CliRun run = RunCli({"--tcp", "127.0.0.1:1", "firmware", "fw.bin"}, scratch.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.ErrLines().size(), 1u);
}

TEST_F(CliUsageTest, MessagesFollowTheLanguage) {
    const CliRun run = RunCli({"--lang", "zh", "--sim", "protect", "12345"}, scratch.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "corva-dsp-cli: 输入密码格式不正确!请输入6位数密码!\n");
}

}  // namespace
}  // namespace corva::test
