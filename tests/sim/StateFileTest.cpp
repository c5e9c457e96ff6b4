#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sim/SimFrames.h"
#include "sim/SimulatedProcessor.h"
#include "support/FailingWrites.h"

namespace corva::sim {
namespace {

class StateFileTest : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }

    void WriteFile(const std::string& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static void MarkMemory(ParameterImage& memory) {
        memory.Block(9, BlockType::Output, 4)[17] = 0xA5;
        memory.Live()[0] = 'Z';
        memory.ListeningPositions()[48] = 2;
        memory.DeviceSettings()[33] = 7;
        memory.StatusList()[19] = -3;
        memory.LockBlock()[9] = '9';
    }

    std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("corva-sim-state-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(path);
        return path;
    }();
};

TEST_F(StateFileTest, SavedMemoryLoadsIntoAnotherProcessor) {
    SimulatedProcessor saved;
    saved.WithMemory(MarkMemory);
    ASSERT_TRUE(saved.SaveState(PathOf("state.bin")).ok());
    EXPECT_FALSE(std::filesystem::exists(PathOf("state.bin.tmp")));

    SimulatedProcessor loaded;
    ASSERT_TRUE(loaded.LoadState(PathOf("state.bin")).ok());
    ParameterImage expected;
    saved.WithMemory([&](ParameterImage& memory) { expected = memory; });
    loaded.WithMemory([&](ParameterImage& memory) {
        for (int preset = 0; preset <= kPresetCount; ++preset) {
            EXPECT_TRUE(std::ranges::equal(memory.Record(preset), expected.Record(preset)));
        }
        EXPECT_EQ(memory.ListeningPositions()[48], 2);
        EXPECT_EQ(memory.DeviceSettings()[33], 7);
        EXPECT_EQ(memory.StatusList()[19], -3);
        EXPECT_EQ(memory.LockBlock()[9], '9');
    });
}

TEST_F(StateFileTest, DamagedOrForeignFilesAreRefusedAndMemoryIsKept) {
    SimulatedProcessor source;
    ASSERT_TRUE(source.SaveState(PathOf("good.bin")).ok());
    std::string good;
    {
        std::ifstream in(PathOf("good.bin"), std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string flipped = good;
    flipped[flipped.size() / 2] ^= 0x01;
    WriteFile(PathOf("garbage.bin"), "this is not a state file at all");
    WriteFile(PathOf("short.bin"), good.substr(0, good.size() - 10));
    WriteFile(PathOf("long.bin"), good + "x");
    WriteFile(PathOf("flipped.bin"), flipped);
    WriteFile(PathOf("empty.bin"), "");

    SimulatedProcessor processor;
    processor.WithMemory(MarkMemory);
    for (const auto* name :
         {"missing.bin", "garbage.bin", "short.bin", "long.bin", "flipped.bin", "empty.bin"}) {
        const auto status = processor.LoadState(PathOf(name));
        EXPECT_FALSE(status.ok()) << name;
        EXPECT_NE(status.message().In(UiLanguage::English).find(name), std::string::npos) << name;
        EXPECT_FALSE(status.message().In(UiLanguage::Chinese).empty()) << name;
    }
    processor.WithMemory([](ParameterImage& memory) {
        EXPECT_EQ(memory.Live()[0], 'Z');
        EXPECT_EQ(memory.Block(9, BlockType::Output, 4)[17], 0xA5);
    });
    EXPECT_FALSE(processor.SaveState(PathOf("no-such-folder/state.bin")).ok());
}

TEST_F(StateFileTest, AnOverwriteThatFailsKeepsTheOldStateFile) {
    SimulatedProcessor processor;
    processor.WithMemory(MarkMemory);
    const std::string path = PathOf("state.bin");
    const std::string message = corva::test::ExpectFailedOverwriteKeepsOldFile(
        path, [&] { return processor.SaveState(path); });
    EXPECT_EQ(message, "The file \"" + path + "\" cannot be written: File too large.");

    corva::test::ExpectMissingFolderFails(
        folder / "missing", [&] { return processor.SaveState(PathOf("missing/state.bin")); });
}

}  // namespace
}  // namespace corva::sim
