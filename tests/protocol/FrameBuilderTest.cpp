#include "protocol/FrameBuilder.h"

#include <gtest/gtest.h>

#include "core/ByteOrder.h"
#include "protocol/FrameLayout.h"
#include "support/Hex.h"

namespace corva {
namespace {

using test::FromHex;
using test::ToHex;

class FrameBuilderTest : public ::testing::Test {
protected:
    std::string Hex(const std::unique_ptr<QueuedFrame>& frame) {
        EXPECT_NE(frame, nullptr);
        return frame ? ToHex(frame->data()) : std::string{};
    }
    std::span<std::uint8_t> OutputBlock(int channel) {
        return image.Block(0, BlockType::Output, channel);
    }

    ParameterImage image;
    ProtectionState protection;
    FrameBuilder builder{image, protection};
};

TEST_F(FrameBuilderTest, WorkedExamplesAreByteExact) {
    // Channel 2, slot 5: 1000 Hz, gain code 600, bandwidth index 20, slope 0, type 0.
    auto slot = image.Slot(0, BlockType::Output, 2, 5);
    WriteLe16(slot, 0, 1000);
    WriteLe16(slot, 2, 600);
    WriteLe16(slot, 4, 20);
    slot[6] = slot[7] = 0;
    EXPECT_EQ(Hex(builder.BuildSlotFrame(BlockType::Output, 2, 5)),
              "71 71 71 EE A1 01 00 04 02 05 00 00 08 00 E8 03 58 02 14 00 00 00 0E AA");

    EXPECT_EQ(Hex(builder.BuildPollFrame()),
              "71 71 71 EE A2 01 00 09 03 00 00 00 08 00 00 00 00 00 00 00 00 00 A1 AA");
    EXPECT_EQ(Hex(builder.BuildSlotFrame(BlockType::Poll, 0, 0)), Hex(builder.BuildPollFrame()));

    EXPECT_EQ(Hex(builder.BuildBlockReadFrame(0, BlockType::Output, 0, ReadPurpose::Store)),
              "71 71 71 EE A2 01 00 04 00 77 00 00 08 00 00 00 00 00 00 00 00 00 D8 AA");
}

TEST_F(FrameBuilderTest, ChecksumCoversCommandToLastPayloadByte) {
    auto bytes = FromHex("71 71 71 EE A1 01 00 04 00 00 00 00 01 00 A5 00 00");
    SealFrame(bytes);
    EXPECT_EQ(bytes[15], 0x00);  // A1^01^04^01^A5 == 0: the sync bytes never count
    EXPECT_EQ(bytes[16], 0xAA);
}

TEST_F(FrameBuilderTest, FrameLengthsFollowThePayload) {
    EXPECT_EQ(builder.BuildBlockFrame(0, BlockType::Output, 5, BlockSource::Live)->length(), 312u);
    EXPECT_EQ(builder.BuildBlockFrame(0, BlockType::FirstInput, 0, BlockSource::Live)->length(),
              128u);
    EXPECT_EQ(builder.BuildBlockFrame(0, BlockType::Effect, 0, BlockSource::Live)->length(), 112u);
    EXPECT_EQ(builder.BuildSystemFrame(system_id::kListeningPositions)->length(), 66u);
    EXPECT_EQ(builder.BuildSystemFrame(system_id::kDeviceCode)->length(), 23u);
    EXPECT_EQ(builder.BuildSystemFrame(system_id::kResponseSetting)->length(), 18u);
    EXPECT_EQ(builder.BuildSystemFrame(41)->length(), 17u);
    EXPECT_EQ(builder.BuildSystemFrame(system_id::kInformationText)->length(), 56u);
    EXPECT_EQ(builder.BuildFirmwareHandshakeItem()->length(), 64u);
    for (const auto& frame : {builder.BuildBlockFrame(0, BlockType::Output, 1, BlockSource::Live),
                              builder.BuildSystemFrame(system_id::kMainVolume)}) {
        const auto bytes = frame->data();
        EXPECT_EQ(ReadLe16(bytes, frame::kLength) + frame::kOverhead, bytes.size());
        EXPECT_EQ(bytes[bytes.size() - 2], FrameChecksum(bytes));
        EXPECT_EQ(bytes.back(), frame::kTrailer);
    }
}

TEST_F(FrameBuilderTest, LinkFlagFollowsTheGroupsExceptOnStripAndLaterSlots) {
    image.LinkGroups()[3] = 2;  // channels 2 and 3 share a group
    auto flag = [&](BlockType type, int channel, int slot) {
        return builder.BuildSlotFrame(type, channel, slot)->data()[frame::kLinkFlag];
    };
    EXPECT_EQ(flag(BlockType::Output, 2, 0), 1);
    EXPECT_EQ(flag(BlockType::Output, 3, 30), 1);
    EXPECT_EQ(flag(BlockType::Output, 3, 32), 1);
    EXPECT_EQ(flag(BlockType::Output, 3, 33), 1);
    EXPECT_EQ(flag(BlockType::Output, 3, 31), 0);
    EXPECT_EQ(flag(BlockType::Output, 3, 35), 0);
    EXPECT_EQ(flag(BlockType::Output, 3, 36), 0);
    EXPECT_EQ(flag(BlockType::Output, 1, 0), 0);
    EXPECT_EQ(flag(BlockType::SecondInput, 2, 0), 0);
    EXPECT_EQ(flag(BlockType::Effect, 3, 0), 0);
    EXPECT_EQ(builder.BuildBlockFrame(0, BlockType::Output, 2, BlockSource::Live)
                  ->data()[frame::kLinkFlag],
              1);
}

TEST_F(FrameBuilderTest, ProtectedOutputsAreScrambledWithMarkerAndPassword) {
    protection.isProtected = true;
    protection.password = "123456";
    auto block0 = OutputBlock(0);
    for (std::size_t i = 0; i < block0.size(); ++i) {
        block0[i] = static_cast<std::uint8_t>(i);
    }

    const auto slot36Frame = builder.BuildSlotFrame(BlockType::Output, 0, 36);
    const auto slot36 = slot36Frame->data();
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(slot36[14 + i], (288 + i) % 256 ^ kProtectionMask) << i;  // no '!' exception
    }

    const auto frame = builder.BuildBlockFrame(0, BlockType::Output, 0, BlockSource::Live);
    const auto payload = frame->data().subspan(frame::kHeaderSize, 296);
    EXPECT_EQ(payload[0], 0 ^ kProtectionMask);
    EXPECT_EQ(payload[287], (287 % 256) ^ kProtectionMask);
    EXPECT_EQ(payload[288], '!');
    EXPECT_EQ(payload[289], (289 % 256) ^ kProtectionMask);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(payload[290 + i], ('1' + i) ^ kProtectionMask);
    }
    EXPECT_EQ(block0[288], 288 % 256) << "the image itself stays plain";

    // Other blocks of a protected image scramble without marker; other block types never do.
    OutputBlock(1)[288] = 0x41;
    const auto block1 = builder.BuildBlockFrame(0, BlockType::Output, 1, BlockSource::Live);
    EXPECT_EQ(block1->data()[frame::kHeaderSize + 288], 0x41 ^ kProtectionMask);
    EXPECT_EQ(Hex(builder.BuildSlotFrame(BlockType::SecondInput, 2, 0)).substr(42, 11), "E8 03 58 02");
}

TEST_F(FrameBuilderTest, ReleasedStateSendsBlankMarkerUnscrambled) {
    protection.released = true;
    OutputBlock(0)[288] = '!';
    OutputBlock(0)[0] = 0x12;
    const auto frame = builder.BuildBlockFrame(0, BlockType::Output, 0, BlockSource::Live);
    const auto payload = frame->data().subspan(frame::kHeaderSize);
    EXPECT_EQ(payload[288], ' ');
    EXPECT_EQ(payload[0], 0x12);
}

TEST_F(FrameBuilderTest, StoredPresetBlocksAreNeverScrambled) {
    protection.isProtected = true;
    protection.password = "abcdef";
    auto stored = image.Block(3, BlockType::Output, 0);
    stored[0] = 0x33;
    stored[288] = ' ';
    const auto frame = builder.BuildBlockFrame(3, BlockType::Output, 0, BlockSource::StoredPreset);
    const auto bytes = frame->data();
    EXPECT_EQ(bytes[frame::kPreset], 3);
    EXPECT_EQ(bytes[frame::kHeaderSize], 0x33);
    EXPECT_EQ(bytes[frame::kHeaderSize + 288], ' ');
    EXPECT_EQ(builder.BuildBlockFrame(0, BlockType::Output, 0, BlockSource::StoredPreset), nullptr);
}

TEST_F(FrameBuilderTest, LiveMusicInputSentAsPresetSetsItsPresetFlag) {
    auto block = image.Block(0, BlockType::SecondInput, 2);
    ASSERT_EQ(block[83], 0);
    builder.BuildBlockFrame(0, BlockType::SecondInput, 2, BlockSource::Live);
    EXPECT_EQ(block[83], 0);
    const auto frame = builder.BuildBlockFrame(4, BlockType::SecondInput, 2, BlockSource::Live);
    EXPECT_EQ(block[83], 1);
    EXPECT_EQ(frame->data()[frame::kHeaderSize + 83], 1);
    EXPECT_EQ(frame->data()[frame::kPreset], 4);
}

TEST_F(FrameBuilderTest, BlockReadModeByte) {
    auto mode = [&](int preset, ReadPurpose purpose) {
        return builder.BuildBlockReadFrame(preset, BlockType::Output, 1, purpose)
            ->data()[frame::kSlot];
    };
    EXPECT_EQ(mode(0, ReadPurpose::Store), 0x77);
    EXPECT_EQ(mode(0, ReadPurpose::Recall), 0x77);
    EXPECT_EQ(mode(5, ReadPurpose::Store), 0x77);
    EXPECT_EQ(mode(5, ReadPurpose::Recall), 0x00);
}

TEST_F(FrameBuilderTest, SystemNameWritesTakeLiveOrStoredName) {
    std::fill_n(image.Live().begin(), 16, 'L');
    std::fill_n(image.Record(7).begin(), 16, 'S');
    const auto liveFrame = builder.BuildSystemFrame(system_id::kPresetName, 0);
    const auto storedFrame = builder.BuildSystemFrame(system_id::kPresetName, 7);
    const auto live = liveFrame->data();
    const auto stored = storedFrame->data();
    EXPECT_EQ(live.size(), 32u);
    EXPECT_EQ(live[14], 'L');
    EXPECT_EQ(live[28], 'L');
    EXPECT_EQ(live[29], 0);
    EXPECT_EQ(stored[frame::kPreset], 7);
    EXPECT_EQ(stored[14], 'S');
    EXPECT_EQ(stored[29], 0);
}

TEST_F(FrameBuilderTest, SystemWritesCarryTheirFields) {
    EXPECT_EQ(Hex(builder.BuildSystemFrame(system_id::kMainVolume)).substr(0, 65),
              "71 71 71 EE A1 01 00 09 05 00 00 00 08 00 3C 00 00 3C 3C 00 01 00");
    EXPECT_EQ(Hex(builder.BuildSystemFrame(system_id::kResponseSetting)).substr(42, 5), "F4 01");
    EXPECT_EQ(Hex(builder.BuildSystemFrame(system_id::kFirstSettingsByteId)).substr(42, 2), "64");
    const auto resetFrame = builder.BuildSystemFrame(system_id::kFactoryReset);
    const auto reset = resetFrame->data();
    EXPECT_EQ(reset.size(), 24u);
    EXPECT_EQ(reset[frame::kChannel], 96);
    EXPECT_EQ(builder.BuildSystemFrame(system_id::kStatusList), nullptr);
    EXPECT_EQ(builder.BuildSystemFrame(77), nullptr);
}

TEST_F(FrameBuilderTest, AddressesOutsideTheRecordBuildNothing) {
    EXPECT_EQ(builder.BuildSlotFrame(BlockType::Output, 6, 0), nullptr);
    EXPECT_EQ(builder.BuildSlotFrame(BlockType::Output, 5, 37), nullptr);
    EXPECT_EQ(builder.BuildBlockFrame(16, BlockType::Output, 0, BlockSource::Live), nullptr);
    EXPECT_EQ(builder.BuildBlockReadFrame(0, BlockType::System, 0, ReadPurpose::Store), nullptr);
}

TEST_F(FrameBuilderTest, HandshakeItemStreamsTheRequestPair) {
    const auto item = builder.BuildFirmwareHandshakeItem();
    EXPECT_EQ(item->code, frame_code::kFirmwareHandshake);
    const auto bytes = item->data();
    EXPECT_EQ(bytes[frame::kChannel], 255);
    EXPECT_EQ(bytes[14], 0x43);
    EXPECT_EQ(bytes[15], 0x11);
    EXPECT_EQ(bytes[61], 0x11);
}

}  // namespace
}  // namespace corva
