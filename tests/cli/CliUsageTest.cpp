// What corva-dsp-cli answers to wrong command lines and bad files: the documented exit code
// and exactly one line on stderr, before anything reaches the processor.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <sstream>

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

TEST_F(CliUsageTest, LinkOptionsThatCannotBeMeantAreRefused) {
    // Two links, or the simulator's memory without the simulator: which one was meant?
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--sim", "--tcp", "127.0.0.1:1", "info"},
                                               {"--usb", "--sim", "info"},
                                               {"--serial", "/dev/null", "--usb-path", "x", "info"},
                                               {"--sim-state", "s.state", "info"},
                                               {"--sim-state", "", "--sim", "info"},
                                               {"--sim", "--trace", "", "info"}}) {
        const CliRun run = RunCli(args, scratch.path());
        EXPECT_EQ(run.exitCode, 1) << ::testing::PrintToString(args);
        EXPECT_EQ(run.ErrLines().size(), 1u) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.File("s.state")));
    const CliRun version = RunCli({"--version"}, scratch.path());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("corva-dsp-cli ", 0), 0u) << version.out;
    EXPECT_TRUE(version.err.empty());
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
    // Labels too, not only messages.
    const CliRun info = RunCli({"--lang", "zh", "--sim", "info"}, scratch.path());
    ASSERT_EQ(info.exitCode, 0) << info.err;
    for (const char* label :
         {"版本：", "连接：", "当前音效：", "加密：    否", "主音量：", "预置："}) {
        EXPECT_NE(info.out.find(label), std::string::npos) << label << "\n" << info.out;
    }
    EXPECT_EQ(info.out.find("Version"), std::string::npos) << info.out;
    ASSERT_EQ(RunCli({"--sim", "read", "live.qvms"}, scratch.path()).exitCode, 0);
    const CliRun shown = RunCli({"--lang", "zh", "show", "live.qvms"}, scratch.path());
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    for (const char* label : {"名称：", "加密：", "听音位置：", "通道 1 FL：", "低切 ", "限幅 "}) {
        EXPECT_NE(shown.out.find(label), std::string::npos) << label << "\n" << shown.out;
    }
    EXPECT_EQ(shown.out.find("Channel"), std::string::npos) << shown.out;
}

// --help lists every command the tool runs, and the bash completion offers exactly those.
TEST_F(CliUsageTest, HelpAndCompletionListTheSameCommands) {
    const CliRun help = RunCli({"--help"}, scratch.path());
    ASSERT_EQ(help.exitCode, 0);
    std::set<std::string> listed;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ') {
            listed.insert(line.substr(2, line.find(' ', 2) - 2));
        }
    }
    const std::string completion = ReadText(CORVA_COMPLETION_PATH);
    const auto start = completion.find("local commands=\"");
    ASSERT_NE(start, std::string::npos);
    std::istringstream words(
        completion.substr(start + 16, completion.find('"', start + 16) - start - 16));
    std::set<std::string> offered{std::istream_iterator<std::string>(words), {}};
    EXPECT_EQ(listed, offered);
}

}  // namespace
}  // namespace corva::test
