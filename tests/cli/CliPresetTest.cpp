// The processor's stored presets and the preset files through corva-dsp-cli and its built-in
// simulator: store, recall and delete, backup and restore, music and mode files.
#include <gtest/gtest.h>

#include "CliJson.h"
#include "CliProcess.h"
#include "protocol/TextField.h"
#include "sim/StateFile.h"

namespace corva::test {
namespace {

class CliPresetTest : public ::testing::Test {
protected:
    // A run against the simulated processor whose memory is kept in `state`.
    CliRun Sim(const std::string& state, std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en", "--sim", "--sim-state", scratch.File(state)});
        return RunCli(args, scratch.path());
    }
    ParameterImage Memory(const std::string& state) {
        ParameterImage image;
        EXPECT_TRUE(sim::LoadImageFile(scratch.File(state), image).ok()) << state;
        return image;
    }

    ScratchDir scratch;
};

TEST_F(CliPresetTest, StoreRecallAndDeleteStoredPresets) {
    ASSERT_EQ(Sim("a", {"set", "SL", "gain=-12", "eq5.gain=-4"}).exitCode, 0);
    const CliRun stored = Sim("a", {"store", "3", "Club"});
    ASSERT_EQ(stored.exitCode, 0) << stored.err;
    EXPECT_EQ(stored.out, "Stored as preset 3 Club\n");
    // Another preset may not take the same name; preset 3 itself may.
    const CliRun taken = Sim("a", {"store", "7", "Club"});
    EXPECT_EQ(taken.exitCode, 4);
    EXPECT_EQ(taken.ErrLines(),
              std::vector<std::string>{"corva-dsp-cli: Have been the same machine preset name!"});
    EXPECT_EQ(Sim("a", {"store", "3", "Club"}).exitCode, 0);

    ASSERT_EQ(Sim("a", {"set", "SL", "gain=0"}).exitCode, 0);
    const CliRun recalled = Sim("a", {"recall", "3"});
    ASSERT_EQ(recalled.exitCode, 0) << recalled.err;
    EXPECT_EQ(recalled.out, "Recalled preset 3 Club\n");
    JsonDocument info(Sim("a", {"--json", "info"}).out);
    EXPECT_EQ(IntOf(Channel(info, 2), "gain_code"), 480);
    EXPECT_EQ(IntOf(Item(Member(Channel(info, 2), "eq"), 4), "gain_code"), 560);

    ASSERT_EQ(Sim("a", {"delete", "3"}).exitCode, 0);
    JsonDocument presets(Sim("a", {"--json", "presets"}).out);
    ASSERT_TRUE(presets.ok());
    EXPECT_STREQ(Item(Member(presets.root(), "presets"), 2)->valuestring, "");
    // Deleting clears the name only: the tuning stays under it (gain code 480 in slot 31).
    const auto memory = Memory("a");
    const auto strip = memory.Block(3, BlockType::Output, 2).subspan(31 * 8, 8);
    EXPECT_EQ(strip[2] | (strip[3] << 8), 480);
}

TEST_F(CliPresetTest, BackupRestoredIntoAFreshProcessorGivesIdenticalPresets) {
    ASSERT_EQ(Sim("a", {"set", "1", "gain=-3", "hpf.freq=120", "hpf.slope=24"}).exitCode, 0);
    ASSERT_EQ(Sim("a", {"store", "2", "Street"}).exitCode, 0);
    ASSERT_EQ(Sim("a", {"set", "6", "delay=40cm", "eq31.gain=-6", "polarity=inverted"}).exitCode,
              0);
    ASSERT_EQ(Sim("a", {"store", "15", "Show car"}).exitCode, 0);
    ASSERT_EQ(Sim("a", {"set", "4", "name=Door", "mute=on"}).exitCode, 0);

    const CliRun backup = Sim("a", {"--progress", "backup", "car.qvma"});
    ASSERT_EQ(backup.exitCode, 0) << backup.err;
    EXPECT_EQ(backup.out, "Wrote car.qvma\n");
    // Not a terminal, --progress: plain percentage lines that end at 100%.
    ASSERT_FALSE(backup.ErrLines().empty());
    EXPECT_EQ(backup.ErrLines().back(), "100%");

    const CliRun restore = Sim("fresh", {"load", "car.qvma"});
    ASSERT_EQ(restore.exitCode, 0) << restore.err;
    const auto original = Memory("a");
    const auto restored = Memory("fresh");
    for (int preset = 0; preset <= kPresetCount; ++preset) {
        if (preset > 0) {
            EXPECT_EQ(TextFromField(restored.Record(preset).first(kNameFieldSize)),
                      TextFromField(original.Record(preset).first(kNameFieldSize)))
                << "preset " << preset;
        }
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            const auto a = original.Block(preset, BlockType::Output, channel);
            const auto b = restored.Block(preset, BlockType::Output, channel);
            EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end()))
                << "preset " << preset << " channel " << channel;
        }
    }
    EXPECT_EQ(TextFromField(restored.Record(15).first(kNameFieldSize)), "Show car");
}

TEST_F(CliPresetTest, BackupWithInputsAlsoReadsEachPresetsMusicInput) {
    const std::string outputsOnly = scratch.File("outputs.txt");
    const std::string withInputs = scratch.File("inputs.txt");
    ASSERT_EQ(Sim("a", {"--trace", outputsOnly, "backup", "plain"}).exitCode, 0);
    ASSERT_EQ(Sim("a", {"--trace", withInputs, "backup", "full.qvma", "--with-inputs"}).exitCode,
              0);
    const auto blockReads = [](const std::string& trace, const char* blockType) {
        int count = 0;
        std::size_t at = 0;
        const std::string text = ReadText(trace);
        while ((at = text.find("EE A2 01 ", at)) != std::string::npos) {
            // Preset byte, then the block type, then the store marker 77 in the mode byte.
            if (text.compare(at + 12, 2, blockType) == 0 && text.compare(at + 18, 2, "77") == 0 &&
                text.compare(at + 9, 2, "00") != 0) {
                ++count;
            }
            at += 9;
        }
        return count;
    };
    EXPECT_EQ(blockReads(outputsOnly, "04"), 90);
    EXPECT_EQ(blockReads(outputsOnly, "03"), 0);
    EXPECT_EQ(blockReads(withInputs, "04"), 90);
    EXPECT_EQ(blockReads(withInputs, "03"), 15);
    EXPECT_TRUE(std::filesystem::exists(scratch.File("plain.qvma")));
    EXPECT_TRUE(std::filesystem::exists(scratch.File("full.qvma")));
}

TEST_F(CliPresetTest, MusicAndSingleFilesCarryTheLiveTuningBothWays) {
    ASSERT_EQ(Sim("a", {"set", "center", "gain=-9", "eq10.freq=8000", "eq10.gain=2"}).exitCode, 0);
    ASSERT_EQ(Sim("a", {"save-music", "tune"}).exitCode, 0);
    ASSERT_EQ(Sim("a", {"read", "tune"}).exitCode, 0);
    ASSERT_TRUE(std::filesystem::exists(scratch.File("tune.wkcs")));
    ASSERT_TRUE(std::filesystem::exists(scratch.File("tune.qvms")));
    for (const char* file : {"tune.wkcs", "tune.qvms"}) {
        const std::string state = std::string("fresh-") + file;
        const CliRun load = Sim(state, {"load", file});
        ASSERT_EQ(load.exitCode, 0) << load.err;
        JsonDocument info(Sim(state, {"--json", "info"}).out);
        EXPECT_EQ(IntOf(Channel(info, 5), "gain_code"), 510) << file;
        EXPECT_EQ(IntOf(Item(Member(Channel(info, 5), "eq"), 9), "freq"), 8000) << file;
    }
}

TEST_F(CliPresetTest, ModeFilesReplaceOneRowOfTheListeningTable) {
    // Tag, position 2 (R&Front), six delays 10..15.
    std::vector<std::uint8_t> file = {21};
    const std::string tag = "LFN624_Mode_File_1.00";
    file.insert(file.end(), tag.begin(), tag.end());
    file.push_back(2);
    for (std::uint8_t delay = 10; delay < 16; ++delay) {
        file.insert(file.end(), {delay, 0});
    }
    WriteBytes(scratch.File("seat.dat_d"), file);

    const CliRun opened = Sim("a", {"mode-open", "seat.dat_d"});
    ASSERT_EQ(opened.exitCode, 0) << opened.err;
    EXPECT_EQ(opened.out, "Listening position R&Front loaded from seat.dat_d\n");
    JsonDocument info(Sim("a", {"--json", "info"}).out);
    const cJSON* positions = Member(info.root(), "positions");
    EXPECT_EQ(IntOf(positions, "current"), 2);
    EXPECT_EQ(IntOf(positions, "last_mode_file"), 2);
    const cJSON* row = Item(Member(positions, "rows"), 2);
    ASSERT_EQ(SizeOf(row), 6);
    EXPECT_EQ(Item(row, 0)->valueint, 10);
    EXPECT_EQ(Item(row, 5)->valueint, 15);
    EXPECT_EQ(Item(Item(Member(positions, "rows"), 1), 0)->valueint, 0);

    ASSERT_EQ(Sim("a", {"mode-save", "again"}).exitCode, 0);
    EXPECT_EQ(ReadText(scratch.File("again.dat_d")), ReadText(scratch.File("seat.dat_d")));
}

TEST_F(CliPresetTest, FactoryResetRestoresTheLiveTuning) {
    ASSERT_EQ(Sim("a", {"set", "2", "gain=-20"}).exitCode, 0);
    const CliRun refused = Sim("a", {"factory-reset"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.ErrLines().size(), 1u);
    ASSERT_EQ(Sim("a", {"factory-reset", "--yes"}).exitCode, 0);
    JsonDocument info(Sim("a", {"--json", "info"}).out);
    EXPECT_EQ(IntOf(Channel(info, 1), "gain_code"), 600);
}

}  // namespace
}  // namespace corva::test
