#include "protocol/ParameterImage.h"

#include <gtest/gtest.h>

#include "core/ByteOrder.h"
#include "support/Hex.h"

namespace corva {
namespace {

using test::ToHex;

std::string SlotHex(ParameterImage& image, int preset, BlockType type, int channel, int slot) {
    return ToHex(image.Slot(preset, type, channel, slot));
}

TEST(SlotAddressTest, RecordMapEdges) {
    EXPECT_EQ(SlotOffset(BlockType::Output, 5, 36), 2176u);  // ends at 2183, the last byte
    EXPECT_EQ(SlotOffset(BlockType::Output, 5, 37), std::nullopt);
    EXPECT_EQ(SlotOffset(BlockType::Output, 6, 0), std::nullopt);
    EXPECT_EQ(SlotOffset(BlockType::FirstInput, 1, 3), SlotOffset(BlockType::SecondInput, 2, 3));
    EXPECT_EQ(SlotOffset(BlockType::SecondInput, 2, 0), 296u);
    EXPECT_EQ(SlotOffset(BlockType::SecondInput, 0, 0), std::nullopt);
    EXPECT_EQ(SlotOffset(BlockType::Effect, 200, 18), 32u + 144u);  // channel byte ignored
    EXPECT_EQ(SlotOffset(BlockType::Effect, 0, 19), std::nullopt);
    EXPECT_EQ(SlotOffset(BlockType::System, 0, 0), std::nullopt);
    EXPECT_EQ(BlockRange(BlockType::Effect, 0), (ByteRange{32, 96}));  // slots 0..11 only
    EXPECT_EQ(BlockRange(BlockType::FirstInput, 0), (ByteRange{184, 112}));
    EXPECT_EQ(BlockRange(BlockType::SecondInput, 2), (ByteRange{296, 112}));
    EXPECT_EQ(BlockRange(BlockType::Output, 5), (ByteRange{1888, 296}));
    EXPECT_EQ(RecordBlockType(4), BlockType::Output);
    EXPECT_EQ(RecordBlockType(9), std::nullopt);
}

TEST(ParameterImageTest, DefaultsOfTheLiveRecord) {
    ParameterImage image;
    const std::string band = "E8 03 58 02 00 00 00 00";
    EXPECT_EQ(SlotHex(image, 0, BlockType::Effect, 0, 7), band);
    EXPECT_EQ(SlotHex(image, 0, BlockType::Effect, 0, 8), "00 00 00 00 00 00 00 00");
    EXPECT_EQ(SlotHex(image, 0, BlockType::FirstInput, 0, 8), band);
    EXPECT_EQ(SlotHex(image, 0, BlockType::FirstInput, 0, 9), "00 00 00 00 00 00 00 00");
    EXPECT_EQ(SlotHex(image, 0, BlockType::SecondInput, 2, 9), band);
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        EXPECT_EQ(SlotHex(image, 0, BlockType::Output, channel, 8), band);
        EXPECT_EQ(SlotHex(image, 0, BlockType::Output, channel, 9), "00 00 00 00 00 00 00 00");
    }
    // Factory routing: each output fed from one input at 100 %.
    EXPECT_EQ(SlotHex(image, 0, BlockType::Output, 0, 33), "64 00 00 00 00 00 00 00");
    EXPECT_EQ(SlotHex(image, 0, BlockType::Output, 3, 33), "00 00 00 64 00 00 00 00");
    EXPECT_EQ(SlotHex(image, 0, BlockType::Output, 5, 33), "00 64 00 00 00 00 00 00");
    // Stored presets hold blank names and no band defaults.
    EXPECT_EQ(ToHex(image.Record(1).first(16)),
              "20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 00");
    EXPECT_EQ(image.Record(10)[31], 0x20);
    EXPECT_EQ(image.Record(11)[16], 0x00);
    EXPECT_EQ(SlotHex(image, 1, BlockType::Output, 0, 0), "00 00 00 00 00 00 00 00");
    EXPECT_EQ(image.Live()[0], 0);
}

TEST(ParameterImageTest, DefaultsOfTheSystemFields) {
    ParameterImage image;
    EXPECT_EQ(ToHex(image.SystemField(system_id::kSystemSettings)), "01 00 03 3C 3C 00 00 00");
    EXPECT_EQ(ToHex(image.MainVolume()), "3C 00 00 3C 3C 00 01 00");
    EXPECT_EQ(ToHex(image.DeviceSettings()),
              "00 00 00 00 00 00 00 00 00 01 00 00 00 00 00 64 0A 5A 28 64 28 5A 28 00 00 00 00 "
              "00 00 00 F4 01 00 00");
    EXPECT_EQ(ToHex(image.SystemField(system_id::kLockBlock)), "00 00 00 00 20 20 20 20 20 20");
    EXPECT_EQ(image.SystemField(system_id::kInformationText)[39], 0x20);
    EXPECT_EQ(image.SyncList()[0], 19);
    EXPECT_EQ(image.SyncList()[6], 4);
    EXPECT_EQ(image.LinkGroups()[5], 5);
    EXPECT_FALSE(image.LinkFlag(0));
}

TEST(ParameterImageTest, SystemIdsReachTheirDeviceSettingsBytes) {
    ParameterImage image;
    EXPECT_EQ(image.SystemField(32).data(), image.DeviceSettings().data() + 15);
    EXPECT_EQ(image.SystemField(41).data(), image.DeviceSettings().data() + 24);
    EXPECT_EQ(image.SystemField(48).data(), image.DeviceSettings().data() + 25);
    EXPECT_EQ(image.SystemField(51).data(), image.DeviceSettings().data() + 27);
    EXPECT_EQ(image.SystemField(53).size(), 2u);
    EXPECT_EQ(image.SystemField(18).size(), 7u);
    EXPECT_EQ(image.SystemField(system_id::kPresetName, 7).data(), image.Record(7).data());
    EXPECT_TRUE(image.SystemField(system_id::kPresetName, 16).empty());
    EXPECT_TRUE(image.SystemField(52).empty());
    EXPECT_TRUE(image.SystemField(96).empty());
    EXPECT_TRUE(image.SystemField(200).empty());
}

TEST(ParameterImageTest, InitImageDefaultsUndoesEdits) {
    ParameterImage image;
    const ParameterImage fresh;
    image.Live()[1000] = 7;
    image.Record(15)[5] = 'x';
    image.LinkGroups()[1] = 0;
    image.InitImageDefaults();
    EXPECT_TRUE(std::equal(image.Live().begin(), image.Live().end(), fresh.Live().begin()));
    EXPECT_EQ(image.Record(15)[5], 0x20);
    EXPECT_EQ(image.LinkGroups()[1], 1);
}

TEST(ParameterImageTest, ClampLevelsLowersThenRaises) {
    ParameterImage image;
    auto live = image.Live();
    auto settings = image.DeviceSettings();
    live[record::kEffectLevel] = 120;                  // above 100
    WriteLe16(live, record::kFirstInputLevel, -5);     // below 40 (signed)
    WriteLe16(live, record::kSecondInputLevel, 70);    // within 40..90
    image.ClampLevels();
    EXPECT_EQ(live[record::kEffectLevel], 100);
    EXPECT_EQ(ReadLe16Signed(live, record::kFirstInputLevel), 40);
    EXPECT_EQ(ReadLe16Signed(live, record::kSecondInputLevel), 70);

    settings[22] = 60;  // lower limit of the second input above its upper limit of 50
    settings[21] = 50;
    image.ClampLevels();
    EXPECT_EQ(ReadLe16Signed(live, record::kSecondInputLevel), 60);
}

TEST(ParameterImageTest, PresetNameTakenSkipsThePresetBeingNamed) {
    ParameterImage image;
    std::copy_n("Rock           ", 15, image.Record(3).begin());
    EXPECT_TRUE(image.IsPresetNameTaken(0, "Rock           ", 13));
    EXPECT_FALSE(image.IsPresetNameTaken(2, "Rock           ", 13));  // preset 3 is index 2
    EXPECT_TRUE(image.IsPresetNameTaken(0, "Rockabilly", 4));
    EXPECT_FALSE(image.IsPresetNameTaken(0, "Jazz", 4));
    // An all-blank name matches the other blank presets like any other name.
    EXPECT_TRUE(image.IsPresetNameTaken(0, std::string(15, ' '), 13));
    EXPECT_FALSE(image.IsPresetNameTaken(0, "Roc", 13));  // shorter: missing bytes are 0
}

}  // namespace
}  // namespace corva
