#include <gtest/gtest.h>

#include <random>

#include "core/ByteOrder.h"
#include "model/DefaultOutputBlock.h"
#include "model/TuningModel.h"
#include "support/DefaultRecord.h"

namespace corva {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes LiveBytes(const ParameterImage& image) {
    return {image.Live().begin(), image.Live().end()};
}

// A record the processor could hold: every value of the model within its range, every byte the
// model does not interpret random.
void FillRandomValidRecord(ParameterImage& image, std::mt19937& random) {
    auto live = image.Live();
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : live) {
        b = static_cast<std::uint8_t>(byte(random));
    }
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto writeBand = [&](std::size_t offset) {
        auto slot = live.subspan(offset, kSlotSize);
        WriteLe16(slot, 0, pick(20, 20000));
        WriteLe16(slot, 2, pick(400, 800));
        WriteLe16(slot, 4, pick(0, 295));
        slot[6] = static_cast<std::uint8_t>(pick(0, 1));
        slot[7] = static_cast<std::uint8_t>(pick(0, 2));
    };
    for (int j = 0; j < 10; ++j) {
        writeBand(record::kSecondInput + kSlotSize * j);
    }
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto block = record::OutputBlock(c);
        for (int j = 0; j < 31; ++j) {
            writeBand(block + kSlotSize * j);
        }
        auto strip = live.subspan(block + 248, kSlotSize);
        strip[0] = static_cast<std::uint8_t>(pick(0, 1));
        strip[1] = static_cast<std::uint8_t>(pick(0, 1));
        WriteLe16(strip, 2, pick(0, 600));
        WriteLe16(strip, 4, pick(0, 259));
        strip[6] = static_cast<std::uint8_t>(pick(0, 1));
        auto crossover = live.subspan(block + 256, kSlotSize);
        WriteLe16(crossover, 0, pick(20, 20000));
        crossover[2] = static_cast<std::uint8_t>(pick(0, 2));
        crossover[3] = static_cast<std::uint8_t>(pick(0, 8));
        WriteLe16(crossover, 4, pick(20, 20000));
        crossover[6] = static_cast<std::uint8_t>(pick(0, 2));
        crossover[7] = static_cast<std::uint8_t>(pick(0, 8));
        auto routing = live.subspan(block + 264, kSlotSize);
        for (std::size_t input = 0; input < 4; ++input) {
            routing[input] = static_cast<std::uint8_t>(pick(0, 100));  // percent
        }
        auto limiter = live.subspan(block + 280, kSlotSize);
        WriteLe16(limiter, 0, pick(0, 360));
        limiter[2] = static_cast<std::uint8_t>(pick(0, 106));
        limiter[3] = static_cast<std::uint8_t>(pick(0, 5));
    }
    // Levels within the device limits, so the clamps leave them alone.
    live[record::kEffectLevel] = static_cast<std::uint8_t>(pick(40, 100));
    WriteLe16(live, record::kFirstInputLevel, pick(40, 90));
    WriteLe16(live, record::kSecondInputLevel, pick(40, 90));
}

TEST(ModelImageTest, LoadThenWriteReproducesTheDefaultRecord) {
    ParameterImage image;
    TuningModel model;
    test::WriteDefaultRecord(image);
    image.ClampLevels();
    const Bytes before = LiveBytes(image);
    model.LoadFromImage(image, 0);
    model.WriteAllToImage(image);
    EXPECT_EQ(LiveBytes(image), before);
}

TEST(ModelImageTest, LoadThenWriteReproducesRandomValidRecords) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 20; ++round) {
        ParameterImage image;
        TuningModel model;
        FillRandomValidRecord(image, random);
        Bytes before = LiveBytes(image);
        model.LoadFromImage(image, 0);
        model.WriteAllToImage(image);
        // The music name's last eight bytes run into output block 0, whose first band wins.
        const Bytes after = LiveBytes(image);
        ASSERT_EQ(after, before) << "round " << round;
    }
}

TEST(ModelImageTest, LoadingWhileSynchronisedTakesValuesWithoutMarkingThem) {
    ParameterImage image;
    TuningModel model;
    model.SetSynchronised(true);
    WriteLe16(image.Slot(0, BlockType::Output, 1, 3), 0, 16000);  // far above the band's 250 Hz
    model.LoadFromImage(image, 0);
    EXPECT_TRUE(model.synchronised());
    EXPECT_FALSE(model.HasPendingChanges());
    EXPECT_EQ(model.output(1).eq().Band(3).transmittedHz(), 16000);
    model.WriteAllToImage(image);
    EXPECT_EQ(ReadLe16(image.Slot(0, BlockType::Output, 1, 3), 0), 16000);
}

TEST(ModelImageTest, LoadClampsCrossoversAndLevelsInTheRecord) {
    ParameterImage image;
    TuningModel model;
    auto block = image.Block(0, BlockType::Output, 3);
    WriteLe16(block, 256, 25000);
    WriteLe16(block, 260, 10);
    image.Live()[record::kEffectLevel] = 200;
    model.LoadFromImage(image, 0);
    EXPECT_EQ(ReadLe16(block, 256), 20000);
    EXPECT_EQ(ReadLe16(block, 260), 20);
    EXPECT_EQ(model.output(3).eq().HighPass().targetHz(), 20000);
    EXPECT_EQ(model.output(3).eq().LowPass().targetHz(), 20);
    EXPECT_EQ(image.Live()[record::kEffectLevel], 100);
}

TEST(ModelImageTest, KeepingTheEffectAreaLeavesItUnchanged) {
    ParameterImage image;
    TuningModel model;
    image.Live()[40] = 0x5A;
    model.LoadFromImage(image, 0, EffectArea::Keep);
    EXPECT_EQ(model.effect().bytes()[8], 0);
    model.LoadFromImage(image, 0);
    EXPECT_EQ(model.effect().bytes()[8], 0x5A);
}

TEST(ModelImageTest, LoadingReadsStripNameAndEqMode) {
    ParameterImage image;
    TuningModel model;
    auto block = image.Block(0, BlockType::Output, 1);
    const std::uint8_t strip[8] = {0, 1, 0, 0, 100, 0, 1, 90};
    std::copy(std::begin(strip), std::end(strip), block.begin() + 248);
    const char name[8] = {' ', 'D', 'o', 'o', 'r', ' ', ' ', 'X'};
    std::copy(std::begin(name), std::end(name), block.begin() + 288);
    block[264] = 0;  // routing share 1 off
    block[265] = 100;
    model.LoadFromImage(image, 0);
    const auto& out = model.output(1);
    EXPECT_EQ(out.on(), 0);
    EXPECT_EQ(out.polarity(), 1);
    EXPECT_TRUE(out.gainZero());
    EXPECT_EQ(out.delayCode(), 100);
    EXPECT_EQ(out.eqMode(), 1);
    EXPECT_TRUE(out.eq().Band(7).geqMode());
    EXPECT_EQ(out.levelB(), 90);
    EXPECT_EQ(out.name(), "Door");  // byte 7 read as a blank, then trimmed
    EXPECT_TRUE(out.routing().off1);
    EXPECT_EQ(out.routing().share2, 100);
}

TEST(ModelImageTest, DefaultOutputBlocksCarryTheConstructionValues) {
    const auto block = DefaultOutputBlock(4);
    EXPECT_EQ(ReadLe16(std::span<const std::uint8_t>(block), 0), 31);     // band 1 at 31 Hz
    EXPECT_EQ(ReadLe16(std::span<const std::uint8_t>(block), 2), 600);    // 0 dB
    EXPECT_EQ(ReadLe16(std::span<const std::uint8_t>(block), 250), 600);  // channel gain 0 dB
    EXPECT_EQ(block[248], 1);                                             // on
    EXPECT_EQ(ReadLe16(std::span<const std::uint8_t>(block), 260), 500);  // ULF low-pass
    EXPECT_EQ(block[264], 100);                                           // fed from input 1
    EXPECT_EQ(block[288], 'U');
    // Output block 0's first name byte is the protection marker: plain tuning keeps it blank.
    const auto first = DefaultOutputBlock(0);
    EXPECT_EQ(first[288], ' ');
    EXPECT_EQ(first[289], 'F');
}

TEST(ModelImageTest, FirstChannelNameLeavesTheMarkerBlank) {
    const bool notSynchronised = false;
    OutputChannel first(notSynchronised, 0);
    EXPECT_FALSE(first.SetName("Tweeter").ok());  // 7 characters no longer fit
    ASSERT_TRUE(first.SetName("Door L").ok());
    OutputBlockBytes block{};
    first.WriteNameSlot(block);
    EXPECT_EQ(std::string(block.begin() + 288, block.begin() + 296), std::string(" Door L\0", 8));
    OutputChannel reloaded(notSynchronised, 0);
    reloaded.LoadFromBlock(block);
    EXPECT_EQ(reloaded.name(), "Door L");
}

}  // namespace
}  // namespace corva
