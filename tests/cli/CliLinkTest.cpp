// corva-dsp-cli against the stand-alone simulator over TCP and over a pseudo-terminal: what
// `info` reports, and the exact frames an edit puts on the wire.
#include <gtest/gtest.h>

#include <sstream>

#include "CliJson.h"
#include "CliProcess.h"
#include "CliTrace.h"

namespace corva::test {
namespace {

class CliLinkTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(simulator.ready()); }

    CliRun Tcp(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en", "--tcp", simulator.Tcp()});
        return RunCli(args, scratch.path());
    }
    CliRun Serial(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en", "--serial", simulator.ptyPath()});
        return RunCli(args, scratch.path());
    }

    ScratchDir scratch;
    SimulatorProcess simulator{scratch.path()};
};

TEST_F(CliLinkTest, InfoOverTcpReportsTheWholeProcessor) {
    const CliRun run = Tcp({"--json", "info"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    JsonDocument info(run.out);
    ASSERT_TRUE(info.ok()) << run.out;
    EXPECT_EQ(TextOf(info.root(), "version"), "RUDA-DO1.00");
    EXPECT_EQ(TextOf(info.root(), "link"), "TCP " + simulator.Tcp());
    EXPECT_FALSE(BoolOf(info.root(), "protected"));
    const cJSON* presets = Member(info.root(), "presets");
    ASSERT_EQ(SizeOf(presets), 15);
    EXPECT_STREQ(Item(presets, 14)->valuestring, "Preset15");
    EXPECT_EQ(IntOf(Member(info.root(), "volume"), "code"), 60);
    EXPECT_TRUE(BoolOf(Member(info.root(), "volume"), "master_on"));
    EXPECT_EQ(SizeOf(Member(Member(info.root(), "positions"), "rows")), 4);
    ASSERT_EQ(SizeOf(Member(info.root(), "channels")), 6);
    const cJSON* sub = Channel(info, 4);
    EXPECT_EQ(TextOf(sub, "name"), "ULF");
    EXPECT_EQ(IntOf(sub, "gain_code"), 600);
    EXPECT_EQ(IntOf(Member(sub, "lpf"), "freq"), 20000);
    EXPECT_EQ(IntOf(Member(sub, "limiter"), "threshold"), 300);
    EXPECT_EQ(SizeOf(Member(sub, "routing")), 4);
    ASSERT_EQ(SizeOf(Member(sub, "eq")), 31);
    EXPECT_EQ(IntOf(Item(Member(sub, "eq"), 30), "gain_code"), 600);  // the record's 0 dB
}

TEST_F(CliLinkTest, SetOverTcpSendsTheSlotFramesOfTheEditRules) {
    const std::string trace = scratch.File("trace.txt");
    const CliRun run = Tcp({"--trace", trace, "set", "fr", "polarity=inverted"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "FR polarity=inverted\n");
    EXPECT_EQ(WrittenFrames(ReadText(trace)),
              std::vector<std::string>{
                  "71 71 71 EE A1 01 00 04 01 1F 00 00 08 00 01 01 58 02 00 00 00 00 E8 AA"});
    // Every line of the trace: milliseconds, a direction, hex bytes.
    std::istringstream lines(ReadText(trace));
    for (std::string line; std::getline(lines, line);) {
        long ms = -1;
        char direction = 0;
        std::istringstream fields(line);
        fields >> ms >> direction;
        EXPECT_GE(ms, 0) << line;
        EXPECT_TRUE(direction == '>' || direction == '<') << line;
    }
}

TEST_F(CliLinkTest, CrossoverRaisesStepAnOctavePerFrameAndBandsDropAtOnce) {
    const std::string trace = scratch.File("trace.txt");
    const CliRun run = Tcp({"--trace", trace, "set", "1", "hpf.freq=100", "eq1.freq=250"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "FL hpf.freq=100\nFL eq1.freq=250\n");
    const std::string header = "71 71 71 EE A1 01 00 04 00 20 00 00 08 00 ";
    EXPECT_EQ(WrittenFrames(ReadText(trace)),
              (std::vector<std::string>{
                  header + "28 00 02 02 20 4E 02 02 CA AA",  // 40 Hz
                  header + "50 00 02 02 20 4E 02 02 B2 AA",  // 80 Hz
                  header + "64 00 02 02 20 4E 02 02 86 AA",  // 100 Hz
                  header + "64 00 02 02 20 4E 02 02 86 AA",  // the pass that finds it reached
                  "71 71 71 EE A1 01 00 04 00 00 00 00 08 00 FA 00 58 02 00 00 00 00 0C AA",
              }));
}

TEST_F(CliLinkTest, EditsOverThePseudoTerminalStayInTheProcessor) {
    const CliRun set =
        Serial({"set", "SUB", "gain=-6.5", "delay=2.5", "lpf.freq=10", "hpf.freq=80"});
    // "SUB" is not a channel name: nothing at all is sent.
    EXPECT_EQ(set.exitCode, 1);
    const CliRun edit = Serial({"set", "ulf", "gain=-6.5", "delay=2.5", "hpf.freq=80",
                                "lpf.freq=50", "eq2.gain=3", "eq2.q=5", "mute=on"});
    ASSERT_EQ(edit.exitCode, 0) << edit.err;
    // Limits and the crossover order as the pages apply them.
    EXPECT_EQ(edit.out,
              "ULF gain=-6.5\nULF delay=2.500ms\nULF hpf.freq=80\nULF lpf.freq=80\n"
              "ULF eq2.gain=3.0\nULF eq2.q=4.966\nULF mute=on\n");
    const CliRun run = Serial({"--json", "info"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    JsonDocument info(run.out);
    EXPECT_EQ(TextOf(info.root(), "link"), "COM " + simulator.ptyPath());
    const cJSON* sub = Channel(info, 4);
    EXPECT_EQ(IntOf(sub, "gain_code"), 535);
    EXPECT_EQ(IntOf(sub, "delay_code"), 120);
    EXPECT_EQ(IntOf(sub, "on"), 0);
    EXPECT_EQ(IntOf(Member(sub, "hpf"), "freq"), 80);
    EXPECT_EQ(IntOf(Member(sub, "lpf"), "freq"), 80);
    const cJSON* band = Item(Member(sub, "eq"), 1);
    EXPECT_EQ(IntOf(band, "gain_code"), 630);  // 3.0 dB plus the record's 400
    EXPECT_EQ(IntOf(band, "bw_index"), 24);
    EXPECT_EQ(IntOf(Channel(info, 5), "gain_code"), 600);  // the other sub is not linked
}

TEST_F(CliLinkTest, MainVolumeAndMasterMute) {
    ASSERT_EQ(Tcp({"volume", "3.7"}).exitCode, 0);
    ASSERT_EQ(Tcp({"master-mute", "on"}).exitCode, 0);
    JsonDocument muted(Tcp({"--json", "info"}).out);
    EXPECT_EQ(IntOf(Member(muted.root(), "volume"), "code"), 63);
    EXPECT_FALSE(BoolOf(Member(muted.root(), "volume"), "master_on"));
    // A new volume unmutes the master output; typed values are limited.
    const CliRun quiet = Tcp({"volume", "-100"});
    EXPECT_EQ(quiet.out, "Main volume -60 dB\n");
    JsonDocument unmuted(Tcp({"--json", "info"}).out);
    EXPECT_EQ(IntOf(Member(unmuted.root(), "volume"), "code"), 0);
    EXPECT_TRUE(BoolOf(Member(unmuted.root(), "volume"), "master_on"));
}

TEST_F(CliLinkTest, LinkFailuresAreExitCodeThreeWithOneLine) {
    const CliRun noPort = RunCli({"--lang", "en", "--tcp", "127.0.0.1:1", "info"}, scratch.path());
    EXPECT_EQ(noPort.exitCode, 3);
    EXPECT_EQ(noPort.ErrLines().size(), 1u) << noPort.err;
    EXPECT_TRUE(noPort.out.empty());
    const CliRun noLine =
        RunCli({"--lang", "en", "--serial", scratch.File("no-such-tty"), "info"}, scratch.path());
    EXPECT_EQ(noLine.exitCode, 3);
    EXPECT_EQ(noLine.ErrLines().size(), 1u) << noLine.err;
}

TEST(CliTraceTest, EveryFrameIsOneLineOverUsbReportsToo) {
    ScratchDir scratch;
    const std::string state = scratch.File("state");
    ASSERT_EQ(RunCli({"--sim", "--sim-state", state, "read", "live.qvms"}, scratch.path()).exitCode,
              0);
    const std::string trace = scratch.File("trace.txt");
    ASSERT_EQ(RunCli({"--sim", "--sim-state", state, "--trace", trace, "load", "live.qvms"},
                     scratch.path())
                  .exitCode,
              0);
    int blockWrites = 0;
    std::istringstream lines(ReadText(trace));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        long ms = 0;
        char direction = 0;
        fields >> ms >> direction;
        if (direction == '#') {
            continue;  // a note between the frames (the safety copy before the load)
        }
        std::vector<int> bytes;
        for (std::string hex; fields >> hex;) {
            bytes.push_back(std::stoi(hex, nullptr, 16));
        }
        // Whole frames: the start bytes, then exactly the length the header announces.
        ASSERT_GE(bytes.size(), 16u) << line;
        EXPECT_EQ(bytes[3], 0xEE) << line;
        EXPECT_EQ(bytes.size(), static_cast<std::size_t>(bytes[12] + 256 * bytes[13] + 16)) << line;
        EXPECT_EQ(bytes.back(), 0xAA) << line;
        if (direction == '>' && bytes[4] == 0xA1 && bytes[7] == 4 && bytes.size() == 312) {
            ++blockWrites;
        }
    }
    EXPECT_EQ(blockWrites, 6);  // the six live output blocks
}

TEST(CliVersionTest, AProcessorOfAnotherMajorVersionIsRefused) {
    ScratchDir scratch;
    SimulatorProcess simulator(scratch.path(), {"--version-tag", "RUDA-DO2.00"});
    ASSERT_TRUE(simulator.ready());
    const CliRun run = RunCli({"--lang", "en", "--tcp", simulator.Tcp(), "info"}, scratch.path());
    EXPECT_EQ(run.exitCode, 3);
    ASSERT_EQ(run.ErrLines().size(), 1u) << run.err;
    EXPECT_NE(run.err.find("VERI-ZE2.01"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace corva::test
