#include <gtest/gtest.h>

#include "core/ByteOrder.h"
#include "model/TuningModel.h"
#include "protocol/FrameLayout.h"
#include "support/Hex.h"

namespace corva {
namespace {

// One frame the scan produced, reduced to what the tests look at.
struct ScanFrame {
    int command;
    int blockType;
    int channel;
    int slot;
    std::vector<std::uint8_t> payload;
};

class ChangeScanTest : public ::testing::Test {
protected:
    // Scans until the poll frame comes back (at most `limit` frames).
    std::vector<ScanFrame> Drain(int limit = 50) {
        std::vector<ScanFrame> frames;
        for (int i = 0; i < limit; ++i) {
            const auto frame = model.NextChangedFrame(image, protection);
            if (!frame) {
                continue;  // an item that produced nothing this call
            }
            const auto bytes = frame->data();
            ScanFrame seen{bytes[frame::kCommand], bytes[frame::kBlockType], bytes[frame::kChannel],
                           bytes[frame::kSlot],
                           {bytes.begin() + frame::kHeaderSize, bytes.end() - 2}};
            if (seen.command == 0xA2 && seen.blockType == 9 && seen.channel == 3) {
                break;  // the poll: nothing more pending
            }
            frames.push_back(std::move(seen));
        }
        return frames;
    }
    static int Word(const ScanFrame& frame, std::size_t offset) {
        return ReadLe16(frame.payload, offset);
    }

    ParameterImage image;
    ProtectionState protection;
    TuningModel model;
};

TEST_F(ChangeScanTest, NothingPendingPollsEveryTime) {
    model.SetSynchronised(true);
    for (int i = 0; i < 3; ++i) {
        const auto frame = model.NextChangedFrame(image, protection);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(test::ToHex(frame->data()),
                  "71 71 71 EE A2 01 00 09 03 00 00 00 08 00 00 00 00 00 00 00 00 00 A1 AA");
    }
}

TEST_F(ChangeScanTest, UpwardBandMoveIsSentOneOctaveAtATime) {
    auto& band = model.output(2).eq().Band(5);
    band.SetFrequency(100, EditOrigin::Load);
    model.SetSynchronised(true);
    band.SetFrequency(1000, EditOrigin::User);

    std::vector<int> sent;
    for (const auto& frame : Drain()) {
        EXPECT_EQ(frame.blockType, 4);
        EXPECT_EQ(frame.channel, 2);
        EXPECT_EQ(frame.slot, 5);
        sent.push_back(Word(frame, 0));
    }
    EXPECT_EQ(sent, (std::vector<int>{200, 400, 800, 1000, 1000}));
    EXPECT_EQ(ReadLe16(image.Slot(0, BlockType::Output, 2, 5), 0), 1000);

    band.SetFrequency(100, EditOrigin::User);  // downward: one frame
    const auto down = Drain();
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(Word(down[0], 0), 100);
}

TEST_F(ChangeScanTest, EditsWhileNotSynchronisedAreNotMarked) {
    auto& band = model.output(0).eq().Band(0);
    band.SetFrequency(100, EditOrigin::User);
    band.SetFrequency(1000, EditOrigin::User);
    model.output(3).SetGain(100);
    EXPECT_EQ(band.transmittedHz(), 1000);
    EXPECT_TRUE(Drain().empty());
}

TEST_F(ChangeScanTest, CrossoverMovesOneOctavePerFrameWithBothFilters) {
    model.SetSynchronised(true);
    model.output(1).eq().HighPass().SetFrequency(100, EditOrigin::User);
    std::vector<int> highPass;
    for (const auto& frame : Drain()) {
        EXPECT_EQ(frame.slot, 32);
        EXPECT_EQ(Word(frame, 4), 20000) << "the low-pass travels in the same slot";
        highPass.push_back(Word(frame, 0));
    }
    EXPECT_EQ(highPass, (std::vector<int>{40, 80, 100, 100}));
}

TEST_F(ChangeScanTest, ChannelOrderComesBeforeGroupOrderAndBandsGoInOrder) {
    model.SetSynchronised(true);
    model.output(3).SetGain(550);
    model.output(0).eq().Band(5).SetGainPosition(260);
    model.output(0).eq().Band(2).SetGainPosition(150);
    model.output(0).SetPolarity(1);
    const auto frames = Drain();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].channel, 0);
    EXPECT_EQ(frames[0].slot, 31);  // strip before bands within a channel
    EXPECT_EQ(frames[0].payload[1], 1);
    EXPECT_EQ(frames[1].slot, 2);
    EXPECT_EQ(Word(frames[1], 2), 550);  // gain code 150 + 400
    EXPECT_EQ(frames[2].slot, 5);
    EXPECT_EQ(frames[3].channel, 3);
    EXPECT_EQ(frames[3].slot, 31);
    EXPECT_EQ(Word(frames[3], 2), 550);
}

TEST_F(ChangeScanTest, PositionsThenMusicInputThenOutputs) {
    model.SetSynchronised(true);
    model.output(0).SetDelay(48);
    model.music().SetCarriedByte96(70);
    model.music().SetMute(1);
    model.music().eq().Band(3).SetGainPosition(300);
    model.positionPending = true;
    const auto frames = Drain();
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(frames[0].blockType, 9);
    EXPECT_EQ(frames[0].channel, 64);
    EXPECT_EQ(frames[0].payload.size(), 50u);
    EXPECT_EQ(frames[1].blockType, 3);  // flag A: slot 10, level written as 0 while muted
    EXPECT_EQ(frames[1].slot, 10);
    EXPECT_EQ(Word(frames[1], 6), 0);
    EXPECT_EQ(frames[2].slot, 12);
    EXPECT_EQ(frames[2].payload[0], 70);
    EXPECT_EQ(frames[3].slot, 3);
    EXPECT_EQ(frames[4].blockType, 4);
    EXPECT_EQ(Word(frames[4], 4), 48);
}

TEST_F(ChangeScanTest, WholeBlockOnlyWithAPassword) {
    model.SetSynchronised(true);
    model.output(2).pending().block = true;
    EXPECT_EQ(model.NextChangedFrame(image, protection), nullptr);  // taken, nothing sent
    EXPECT_TRUE(Drain().empty());

    protection.isProtected = true;
    protection.password = "123456";
    ASSERT_TRUE(model.output(2).SetName("Door").ok());
    model.output(2).pending().name = false;
    model.output(2).pending().block = true;
    const auto frames = Drain();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].payload.size(), 296u);
    EXPECT_EQ(frames[0].payload[288], 'D' ^ kProtectionMask);
}

TEST_F(ChangeScanTest, NameIsSentInItsSlotAndRefusedWhenTooLong) {
    model.SetSynchronised(true);
    EXPECT_FALSE(model.output(4).SetName("Subwoofer").ok());
    EXPECT_TRUE(Drain().empty());
    EXPECT_TRUE(model.output(4).SetName("Sub L").ok());
    const auto frames = Drain();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].slot, 36);
    EXPECT_EQ(test::ToHex(frames[0].payload), "53 75 62 20 4C 00 00 00");
}

TEST_F(ChangeScanTest, ClearChangeMarksDropsEverything) {
    model.SetSynchronised(true);
    model.output(5).SetGain(1);
    model.output(5).eq().LowPass().SetFrequency(100, EditOrigin::User);
    model.music().SetLevel(20);
    model.positionPending = true;
    model.ClearChangeMarks();
    EXPECT_TRUE(Drain().empty());
}

}  // namespace
}  // namespace corva
