// Everything the processor holds, from the command line: the limiter, routing and EQ-mode keys
// of `set`, pair linking, the listening-position table, and one preset taken out of a complete
// file. The frames are checked as literal hex from the trace, the values read back with info.
#include <gtest/gtest.h>

#include <sstream>

#include "CliFixture.h"
#include "CliJson.h"
#include "CliTrace.h"

namespace corva::test {
namespace {

bool Has(const std::vector<std::string>& frames, const std::string& frame) {
    return std::find(frames.begin(), frames.end(), frame) != frames.end();
}

// A preset file as its JSON tree: the bytes are XORed with their position, as written.
std::string Unscrambled(std::string bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(bytes[i] ^ static_cast<char>(i & 0xFF));
    }
    return bytes;
}

std::string Printed(const cJSON* item) {
    char* text = cJSON_PrintUnformatted(item);
    std::string printed = text ? text : "<missing>";
    cJSON_free(text);
    return printed;
}

class CliEditTest : public CliFixture {
protected:
    CliRun Traced(std::vector<std::string> args) {
        std::filesystem::remove(scratch.File("trace.txt"));
        args.insert(args.begin(), {"--trace", scratch.File("trace.txt")});
        return Sim(std::move(args));
    }
    std::vector<std::string> Frames() { return WrittenFrames(ReadText(scratch.File("trace.txt"))); }
};

TEST_F(CliEditTest, LimiterRoutingAndEqModeReachTheProcessorAndReadBack) {
    const CliRun run = Traced({"set", "SL", "limiter.threshold=-3", "limiter.attack=0.5ms",
                               "limiter.release=8", "route.1=75%", "route.4=30", "eq_mode=geq"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "SL limiter.threshold=-3.0dBu\nSL limiter.attack=0.5ms\nSL limiter.release=Atk * 8\n"
              "SL route.1=75%\nSL route.4=30%\nSL eq_mode=geq\n");
    const auto frames = Frames();
    // Slot 35: threshold code 270, attack code 2 (0.5 ms), release code 3 (8 x attack).
    EXPECT_TRUE(Has(frames,
                    "71 71 71 EE A1 01 00 04 02 23 00 00 08 00 0E 01 02 03 00 00 00 00 "
                    "83 AA"))
        << ::testing::PrintToString(frames);
    // Slot 33: input 1 at 75 %, input 2 off, input 3 as the processor had it, input 4 at 30 %.
    EXPECT_TRUE(Has(frames,
                    "71 71 71 EE A1 01 00 04 02 21 00 00 08 00 4B 00 64 1E 00 00 00 00 "
                    "BE AA"));
    // Slot 31: byte 6 is the EQ mode.
    EXPECT_TRUE(Has(frames,
                    "71 71 71 EE A1 01 00 04 02 1F 00 00 08 00 01 00 58 02 00 00 01 00 "
                    "EB AA"));

    JsonDocument info(Sim({"--json", "info"}).out);
    const cJSON* rear = Channel(info, 2);
    EXPECT_EQ(IntOf(Member(rear, "limiter"), "threshold"), 270);
    EXPECT_EQ(IntOf(Member(rear, "limiter"), "attack"), 2);
    EXPECT_EQ(IntOf(Member(rear, "limiter"), "release"), 3);
    EXPECT_EQ(Printed(Member(rear, "routing")), "[75,0,100,30]");
    EXPECT_EQ(IntOf(rear, "eq_mode"), 1);
    EXPECT_EQ(IntOf(Member(Channel(info, 3), "limiter"), "threshold"), 300);  // its own only
}

TEST_F(CliEditTest, NewKeysAreLimitedAsTheirPartsLimitThem) {
    const CliRun run = Sim({"set", "6", "limiter.threshold=9", "limiter.attack=0.1", "route.2=150",
                            "limiter.attack=250ms"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "Center limiter.threshold=6.0dBu\nCenter limiter.attack=100ms\n"
              "Center route.2=100%\nCenter limiter.attack=100ms\n");
    EXPECT_EQ(Sim({"set", "6", "limiter.attack=0.1"}).out, "Center limiter.attack=0.3ms\n");
    EXPECT_EQ(Sim({"set", "6", "limiter.attack=7.4", "route.3=0"}).out,
              "Center limiter.attack=7ms\nCenter route.3=0%\n");
    // No step between the release factors: anything else is refused before connecting.
    for (const auto& pair : {"limiter.release=3", "route.5=10", "route.0=10", "eq_mode=fir",
                             "limiter.threshold=loud", "limiter.knee=2"}) {
        const CliRun refused = Sim({"set", "6", pair});
        EXPECT_EQ(refused.exitCode, 1) << pair;
        EXPECT_EQ(refused.ErrLines().size(), 1u) << refused.err;
    }
}

TEST_F(CliEditTest, LinkFromRightCopiesChannelTwoIntoOneWithTheMasterMutedAround) {
    ASSERT_EQ(Sim({"set", "FR", "eq5.freq=500", "eq5.gain=6", "hpf.freq=80", "gain=-10"}).exitCode,
              0);
    ASSERT_EQ(Sim({"set", "FL", "limiter.threshold=-6"}).exitCode, 0);
    const CliRun run = Traced({"link", "1-2", "--from", "right"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "FL-FR linked: FR copied onto FL\n");
    const auto frames = Frames();
    ASSERT_EQ(frames.size(), 3u) << ::testing::PrintToString(frames);
    // Master output off (byte 6 of the main volume), channel 1's whole block, master back on.
    EXPECT_EQ(frames[0], "71 71 71 EE A1 01 00 09 05 00 00 00 08 00 3C 00 00 3C 3C 00 00 00 98 AA");
    EXPECT_EQ(frames[1].rfind("71 71 71 EE A1 01 00 04 00 00 01 00 28 01 ", 0), 0u) << frames[1];
    EXPECT_EQ(frames[2], "71 71 71 EE A1 01 00 09 05 00 00 00 08 00 3C 00 00 3C 3C 00 01 00 99 AA");

    JsonDocument info(Sim({"--json", "info"}).out);
    const cJSON* left = Channel(info, 0);
    const cJSON* right = Channel(info, 1);
    EXPECT_EQ(Printed(Member(left, "eq")), Printed(Member(right, "eq")));
    EXPECT_EQ(Printed(Member(left, "hpf")), Printed(Member(right, "hpf")));
    // Gain and limiter are the channel's own.
    EXPECT_EQ(IntOf(left, "gain_code"), 600);
    EXPECT_EQ(IntOf(right, "gain_code"), 500);
    EXPECT_EQ(IntOf(Member(left, "limiter"), "threshold"), 240);

    const CliRun unlinked = Traced({"unlink", "FL-FR"});
    ASSERT_EQ(unlinked.exitCode, 0) << unlinked.err;
    EXPECT_EQ(unlinked.out, "FL-FR unlinked\n");
    EXPECT_TRUE(Frames().empty());
    for (const auto& args : std::vector<std::vector<std::string>>{{"link", "1-3", "--from", "left"},
                                                                  {"link", "1-2"},
                                                                  {"link", "1-2", "--from", "up"},
                                                                  {"unlink", "Center"}}) {
        EXPECT_EQ(Sim(args).exitCode, 1) << ::testing::PrintToString(args);
    }
}

TEST_F(CliEditTest, PositionsSetAndUseRoundTripThroughTheProcessor) {
    const CliRun set = Sim({"positions", "set", "2", "FL=2.5ms", "fr=100", "ULF=80cm", "6=999"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(set.out,
              "Position 2 R&Front FL=120 (2.500ms)\nPosition 2 R&Front FR=100 (2.083ms)\n"
              "Position 2 R&Front ULF=111 (2.312ms)\nPosition 2 R&Front Center=259 (5.396ms)\n");
    const CliRun use = Traced({"positions", "use", "7"});  // limited to the last position
    ASSERT_EQ(use.exitCode, 0) << use.err;
    EXPECT_EQ(use.out, "Current position 3 C&Rear\n");
    // The whole table goes back: row 2 as set, byte 48 the position.
    const auto frames = Frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].rfind("71 71 71 EE A1 01 00 09 40 00 00 00 32 00 ", 0), 0u) << frames[0];

    const CliRun shown = Sim({"--json", "positions"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    JsonDocument table(shown.out);
    EXPECT_EQ(IntOf(table.root(), "current"), 3);
    EXPECT_EQ(Printed(Member(table.root(), "rows")),
              "[[0,0,0,0,0,0],[0,0,0,0,0,0],[120,100,0,0,111,259],[0,0,0,0,0,0]]");
    const CliRun text = Sim({"--lang", "zh", "positions"});
    EXPECT_NE(text.out.find("* 3 后中置:"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("  2 前右: FL=2.500ms FR=2.083ms"), std::string::npos) << text.out;
    EXPECT_EQ(Sim({"positions", "set", "1", "FL"}).exitCode, 1);
    EXPECT_EQ(Sim({"positions", "use"}).exitCode, 1);
}

TEST_F(CliEditTest, ExtractGivesTheGroupOfTheCompleteFile) {
    ASSERT_EQ(Sim({"set", "SR", "gain=-7", "eq2.gain=3"}).exitCode, 0);
    ASSERT_EQ(Sim({"store", "4", "Night"}).exitCode, 0);
    ASSERT_EQ(Sim({"backup", "all.qvma"}).exitCode, 0);
    const CliRun run =
        RunCli({"--lang", "en", "extract", "all.qvma", "4", "night.qvms"}, scratch.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Wrote night.qvms\n");

    JsonDocument complete(Unscrambled(ReadText(scratch.File("all.qvma"))));
    JsonDocument single(Unscrambled(ReadText(scratch.File("night.qvms"))));
    ASSERT_TRUE(complete.ok() && single.ok());
    const cJSON* group = Item(Member(complete.root(), "data"), 4);
    const cJSON* data = Member(single.root(), "data");
    EXPECT_EQ(TextOf(single.root(), "fileType"), "single");
    for (const char* key : {"group_name", "music", "output"}) {
        EXPECT_EQ(Printed(Member(data, key)), Printed(Member(group, key))) << key;
    }
    EXPECT_EQ(Printed(Member(Member(data, "system"), "sound_delay_field")),
              Printed(Member(Member(complete.root(), "system"), "sound_delay_field")));
    JsonDocument shown(RunCli({"--json", "show", "night.qvms"}, scratch.path()).out);
    EXPECT_EQ(TextOf(shown.root(), "name"), "Night");
    EXPECT_EQ(IntOf(Channel(shown, 3), "gain_code"), 530);

    for (const auto& args :
         std::vector<std::vector<std::string>>{{"extract", "all.qvma", "16", "x.qvms"},
                                               {"extract", "night.qvms", "1", "x.qvms"},
                                               {"extract", "all.qvma", "1", "x.wkcs"},
                                               {"extract", "all.qvma", "1"}}) {
        EXPECT_EQ(RunCli(args, scratch.path()).exitCode, 1) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(RunCli({"extract", "missing.qvma", "1", "x.qvms"}, scratch.path()).exitCode, 2);
}

TEST_F(CliEditTest, AStoredNameIsPrintedAsStored) {
    // A double-byte character at an odd offset gets a blank before it in the name field.
    const CliRun run = Sim({"store", "5", "A音效"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Stored as preset 5 A 音效\n");
}

}  // namespace
}  // namespace corva::test
