#include "sim/SimulatedProcessor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "protocol/FrameBuilder.h"
#include "sim/FactoryImage.h"
#include "sim/SimFrames.h"
#include "support/Hex.h"

namespace corva::sim {
namespace {

using corva::test::FromHex;
using corva::test::ToHex;
using test::Bytes;
using test::PayloadOf;

constexpr int kOutput = static_cast<int>(BlockType::Output);

// The processor against frames from the host's own frame builder.
class SimulatedProcessorTest : public ::testing::Test {
protected:
    // Exactly one answer is expected for each frame.
    Bytes Ask(std::span<const std::uint8_t> frame) {
        auto answers = processor.Receive(frame);
        EXPECT_EQ(answers.size(), 1u);
        return answers.empty() ? Bytes{} : answers.front();
    }
    Bytes Ask(const std::unique_ptr<QueuedFrame>& frame) { return Ask(frame->data()); }

    SimulatedProcessor processor;
    ParameterImage host;
    ProtectionState protection;
    FrameBuilder builder{host, protection};
};

TEST_F(SimulatedProcessorTest, SlotWriteIsAcknowledgedAndReadBackInItsBlock) {
    const auto band = FromHex("E8 03 58 02 14 00 00 00");
    std::copy(band.begin(), band.end(), host.Slot(0, BlockType::Output, 2, 5).begin());
    EXPECT_EQ(ToHex(Ask(builder.BuildSlotFrame(BlockType::Output, 2, 5))),
              "71 71 71 EE 51 01 00 04 02 05 00 00 00 00 53 AA");

    const auto answer =
        Ask(builder.BuildBlockReadFrame(0, BlockType::Output, 2, ReadPurpose::Store));
    ASSERT_EQ(answer.size(), 312u);
    EXPECT_TRUE(test::IsSealedAnswer(answer));
    EXPECT_EQ(ToHex(std::span(answer).first(14)), "71 71 71 EE 53 01 00 04 02 77 00 00 28 01");
    EXPECT_EQ(ToHex(PayloadOf(answer).subspan(5 * 8, 8)), "E8 03 58 02 14 00 00 00");
    // The rest of the block is still the factory block.
    const auto factory = FactoryOutputBlock(2);
    EXPECT_TRUE(std::equal(factory.begin() + 48, factory.end(), PayloadOf(answer).begin() + 48));
}

TEST_F(SimulatedProcessorTest, BlockWriteUnderPresetNumberIsStoredAndReadWithStoreMarker) {
    auto block = host.Block(0, BlockType::Output, 3);
    std::fill(block.begin(), block.end(), 0x3C);
    EXPECT_EQ(Ask(builder.BuildBlockFrame(7, BlockType::Output, 3, BlockSource::Live))[4], 0x51);

    const auto stored =
        Ask(builder.BuildBlockReadFrame(7, BlockType::Output, 3, ReadPurpose::Store));
    EXPECT_EQ(ToHex(std::span(stored).subspan(6, 4)), "07 04 03 77");
    EXPECT_TRUE(std::ranges::all_of(PayloadOf(stored), [](auto b) { return b == 0x3C; }));

    const auto live = Ask(builder.BuildBlockReadFrame(0, BlockType::Output, 3, ReadPurpose::Store));
    const auto factory = FactoryOutputBlock(3);
    EXPECT_TRUE(std::ranges::equal(PayloadOf(live), factory)) << "the live block is untouched";
}

TEST_F(SimulatedProcessorTest, RecallMakesTheStoredPresetLiveAndAnswersWithItsBlocks) {
    processor.WithMemory([](ParameterImage& memory) {
        auto block = memory.Block(4, BlockType::Output, 1);
        std::fill(block.begin(), block.end(), 0x41);
    });
    const auto answer =
        Ask(builder.BuildBlockReadFrame(4, BlockType::Output, 1, ReadPurpose::Recall));
    EXPECT_EQ(ToHex(std::span(answer).subspan(6, 4)), "04 04 01 00");
    EXPECT_TRUE(std::ranges::all_of(PayloadOf(answer), [](auto b) { return b == 0x41; }));
    processor.WithMemory([](ParameterImage& memory) {
        EXPECT_TRUE(std::ranges::equal(memory.Live(), memory.Record(4)));
    });
}

TEST_F(SimulatedProcessorTest, InputAndEffectBlocksTravelWholeAndLandWhereWritten) {
    auto input = host.Block(0, BlockType::SecondInput, 2);
    std::fill(input.begin(), input.end(), 0x17);
    EXPECT_EQ(Ask(builder.BuildBlockFrame(0, BlockType::SecondInput, 2, BlockSource::Live))[4],
              0x51);
    // Type 1 channel 1 names the same bytes as type 3 channel 2.
    const auto viaFirst = Ask(test::ReadRequest(0, 1, 1, 0x77));
    ASSERT_EQ(PayloadOf(viaFirst).size(), 112u);
    EXPECT_TRUE(std::ranges::all_of(PayloadOf(viaFirst), [](auto b) { return b == 0x17; }));
    EXPECT_EQ(PayloadOf(Ask(test::ReadRequest(0, 2, 0, 0x77))).size(), 96u);
}

TEST_F(SimulatedProcessorTest, VersionTagAnswerCarriesElevenCharacters) {
    EXPECT_EQ(ToHex(Ask(FromHex("71 71 71 EE A2 01 00 09 04 00 00 00 08 00"
                                "00 00 00 00 00 00 00 00 A6 AA"))),
              "71 71 71 EE 53 01 00 09 04 00 00 00 0B 00 "
              "52 55 44 41 2D 44 4F 31 2E 30 30 6F AA");
    auto faults = processor.Faults();
    faults.versionTag = "RUDA-DO2.07";
    processor.SetFaults(faults);
    const auto answer = Ask(test::SystemRead(system_id::kVersionTag));
    EXPECT_EQ(std::string(PayloadOf(answer).begin(), PayloadOf(answer).end()), "RUDA-DO2.07");
}

TEST_F(SimulatedProcessorTest, PresetNamesFollowThePresetNumber) {
    // Factory names: "PresetN", blank padded, byte 15 zero.
    EXPECT_EQ(ToHex(PayloadOf(Ask(test::SystemRead(system_id::kPresetName, 3)))),
              "50 72 65 73 65 74 33 20 20 20 20 20 20 20 20 00");

    const auto name = test::Text("Bass           ");
    std::copy(name.begin(), name.end(), host.Record(3).begin());
    EXPECT_EQ(Ask(builder.BuildSystemFrame(system_id::kPresetName, 3))[4], 0x51);
    const auto stored = Ask(test::SystemRead(system_id::kPresetName, 3));
    EXPECT_EQ(ToHex(std::span(stored).subspan(6, 4)), "03 09 00 00");
    EXPECT_EQ(ToHex(PayloadOf(stored)), "42 61 73 73 20 20 20 20 20 20 20 20 20 20 20 00");
    // The live name is a field of its own.
    EXPECT_EQ(ToHex(PayloadOf(Ask(test::SystemRead(system_id::kPresetName, 0)))),
              "20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 00");
}

TEST_F(SimulatedProcessorTest, FactoryResetRestoresTheLiveRecordOnly) {
    auto block = host.Block(0, BlockType::Output, 2);
    std::fill(block.begin(), block.end(), 0x99);
    Ask(builder.BuildBlockFrame(0, BlockType::Output, 2, BlockSource::Live));
    Ask(builder.BuildBlockFrame(6, BlockType::Output, 2, BlockSource::Live));

    EXPECT_EQ(Ask(builder.BuildSystemFrame(system_id::kFactoryReset))[4], 0x51);
    processor.WithMemory([](ParameterImage& memory) {
        EXPECT_TRUE(std::ranges::equal(memory.Live(), FactoryImage().Live()));
        EXPECT_EQ(memory.Block(6, BlockType::Output, 2)[0], 0x99) << "stored presets are kept";
    });
}

TEST_F(SimulatedProcessorTest, FactoryOutputBlocksAreValidAndUnprotected) {
    const auto live = Ask(test::ReadRequest(0, kOutput, 0, 0x77));
    const auto block = PayloadOf(live);
    EXPECT_EQ(block[288], 0x20) << "channel 0's name must not look like the protection marker";
    EXPECT_EQ(ToHex(block.subspan(256, 8)), "14 00 02 02 20 4E 02 02");  // 20 Hz / 20000 Hz
    EXPECT_EQ(ToHex(block.subspan(248, 4)), "01 00 58 02");              // on, gain code 600
    EXPECT_EQ(ToHex(block.subspan(280, 4)), "2C 01 6A 05");              // limiter 300/106/5
    EXPECT_EQ(ToHex(block.subspan(0, 4)), "E8 03 58 02");                // 1000 Hz, 0 dB
    const auto center = Ask(test::ReadRequest(0, kOutput, 5, 0x77));
    EXPECT_EQ(ToHex(PayloadOf(center).subspan(288, 8)), "43 65 6E 74 65 72 00 00");  // "Center"
}

TEST_F(SimulatedProcessorTest, ProtectedBlocksAreStoredAndReturnedAsReceived) {
    protection.isProtected = true;
    protection.password = "123456";
    const auto sent = builder.BuildBlockFrame(0, BlockType::Output, 0, BlockSource::Live);
    Ask(sent);
    const auto answer = Ask(test::ReadRequest(0, kOutput, 0, 0x77));
    EXPECT_EQ(PayloadOf(answer)[288], '!');
    const Bytes sentBytes(sent->data().begin(), sent->data().end());
    EXPECT_TRUE(std::ranges::equal(PayloadOf(answer), PayloadOf(sentBytes)));
}

TEST_F(SimulatedProcessorTest, LockBlockIsKeptPlainAndSentScrambled) {
    const auto lock = FromHex("01 00 02 00 31 32 33 34 35 36");
    EXPECT_EQ(Ask(test::SystemWrite(system_id::kLockBlock, 0, lock))[4], 0x51);
    EXPECT_EQ(ToHex(PayloadOf(Ask(test::SystemRead(system_id::kLockBlock)))),
              "5D 5C 5E 5C 6D 6E 6F 68 69 6A");
}

TEST_F(SimulatedProcessorTest, SystemAnswersHaveTheFieldSizes) {
    const std::vector<std::pair<int, std::size_t>> sizes = {
        {0, 16},  {1, 16}, {2, 8},   {3, 20}, {4, 11}, {5, 8},  {16, 40},
        {17, 24}, {18, 7}, {19, 10}, {20, 1}, {21, 1}, {32, 1}, {41, 1},
        {48, 1},  {49, 1}, {50, 2},  {51, 1}, {52, 1}, {53, 2}, {64, 50}};
    for (const auto& [id, size] : sizes) {
        const auto answer = Ask(test::SystemRead(id));
        EXPECT_TRUE(test::IsSealedAnswer(answer)) << "id " << id;
        EXPECT_EQ(answer[4], 0x53) << "id " << id;
        EXPECT_EQ(PayloadOf(answer).size(), size) << "id " << id;
    }
    // Ids without a field (6 is read during every full read) still get a data answer.
    EXPECT_EQ(PayloadOf(Ask(test::SystemRead(6))).size(), 8u);
    EXPECT_EQ(Ask(test::ReadRequest(0, 4, 9, 0x77))[4], 0x53) << "no output channel 9";
}

TEST_F(SimulatedProcessorTest, WrittenSystemFieldsComeBackAndTheSourceFollowsTheSettings) {
    const auto settings = FromHex("03 00 03 3C 3C 00 00 00");
    Ask(test::SystemWrite(system_id::kSystemSettings, 0, settings));
    EXPECT_EQ(ToHex(PayloadOf(Ask(test::SystemRead(system_id::kSystemSettings)))),
              "03 00 03 3C 3C 00 00 00");
    EXPECT_EQ(PayloadOf(Ask(test::SystemRead(system_id::kStatusList)))[14], 3);

    Bytes table(50);
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<std::uint8_t>(i);
    }
    Ask(test::SystemWrite(system_id::kListeningPositions, 0, table));
    EXPECT_TRUE(std::ranges::equal(PayloadOf(Ask(test::SystemRead(64))), table));
    // Fields the processor only reports are not changed by writes.
    Ask(test::SystemWrite(system_id::kVersionTag, 0, test::Text("XXXXXXXXXXX")));
    EXPECT_EQ(PayloadOf(Ask(test::SystemRead(system_id::kVersionTag)))[0], 'R');
}

// --- Assembling frames from the byte stream ---

TEST_F(SimulatedProcessorTest, BadChecksumGetsAResendRequestAndIsNotStored) {
    const auto bad =
        FromHex("71 71 71 EE A2 01 00 09 03 00 00 00 08 00 00 00 00 00 00 00 00 00 00 AA");
    EXPECT_EQ(ToHex(Ask(bad)), "71 71 71 EE 52 01 00 09 03 00 00 00 00 00 59 AA");

    auto slotWrite =
        test::HostFrame(Command::Write, 0, kOutput, 1, 0, FromHex("11 11 11 11 11 11 11 11"));
    slotWrite[16] ^= 0x01;  // damaged on the way
    EXPECT_EQ(Ask(slotWrite)[4], 0x52);
    EXPECT_TRUE(processor.ReceivedFrames().empty());
    processor.WithMemory([](ParameterImage& memory) {
        EXPECT_NE(memory.Slot(0, BlockType::Output, 1, 0)[0], 0x11);
    });
}

TEST_F(SimulatedProcessorTest, NoiseAndOneByteChunksAssembleIntoFrames) {
    Bytes stream = FromHex("00 FF 71 71 00 71 71 71 00 EE 71 71");  // noise and false starts
    const auto poll = builder.BuildPollFrame();
    const auto version = test::SystemRead(system_id::kVersionTag);
    stream.insert(stream.end(), poll->data().begin(), poll->data().end());
    stream.insert(stream.end(), {0x00, 0x71});
    stream.insert(stream.end(), version.begin(), version.end());

    std::vector<Bytes> answers;
    for (const auto byte : stream) {
        for (auto& answer : processor.Receive(std::span(&byte, 1))) {
            answers.push_back(std::move(answer));
        }
    }
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0][8], system_id::kStatusList);
    EXPECT_EQ(answers[1][8], system_id::kVersionTag);
    EXPECT_EQ(processor.ReceivedFrames().size(), 2u);
}

TEST_F(SimulatedProcessorTest, ImpossibleLengthIsSkippedAndTheNextFrameFound) {
    // A start whose length field claims 0xFFFF bytes, then a real frame.
    Bytes stream = FromHex("71 71 71 EE A1 01 00 04 00 00 00 00 FF FF 01 02");
    const auto version = test::SystemRead(system_id::kVersionTag);
    stream.insert(stream.end(), version.begin(), version.end());
    const auto answers = processor.Receive(stream);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0][8], system_id::kVersionTag);
}

// --- Fault switches ---

TEST_F(SimulatedProcessorTest, SilentProcessorRecordsFramesButAnswersNothing) {
    auto faults = processor.Faults();
    faults.silent = true;
    processor.SetFaults(faults);
    EXPECT_TRUE(processor.Receive(test::SystemRead(system_id::kVersionTag)).empty());
    EXPECT_EQ(processor.ReceivedFrames().size(), 1u);
    processor.ClearReceivedFrames();
    EXPECT_TRUE(processor.ReceivedFrames().empty());
}

TEST_F(SimulatedProcessorTest, WrongChecksumFaultSpoilsEveryAnswer) {
    auto faults = processor.Faults();
    faults.wrongChecksum = true;
    processor.SetFaults(faults);
    const auto answer = Ask(test::SystemRead(system_id::kVersionTag));
    EXPECT_EQ(answer.size(), 27u);
    EXPECT_NE(answer[25], FrameChecksum(answer));
    EXPECT_EQ(answer[26], 0xAA);
}

TEST_F(SimulatedProcessorTest, ResendRequestsComeFirstThenTheFrameIsTaken) {
    auto faults = processor.Faults();
    faults.resendRequests = 2;
    processor.SetFaults(faults);
    const auto write =
        test::HostFrame(Command::Write, 0, kOutput, 1, 0, FromHex("11 11 11 11 11 11 11 11"));
    EXPECT_EQ(Ask(write)[4], 0x52);
    EXPECT_EQ(Ask(write)[4], 0x52);
    processor.WithMemory([](ParameterImage& memory) {
        EXPECT_NE(memory.Slot(0, BlockType::Output, 1, 0)[0], 0x11) << "not taken while resending";
    });
    EXPECT_EQ(Ask(write)[4], 0x51);
    processor.WithMemory([](ParameterImage& memory) {
        EXPECT_EQ(memory.Slot(0, BlockType::Output, 1, 0)[0], 0x11);
    });
    EXPECT_EQ(processor.Faults().resendRequests, 0);
    EXPECT_EQ(processor.ReceivedFrames().size(), 3u);
}

TEST_F(SimulatedProcessorTest, EmptyDataAnswerFaultAnswersReadsWithoutPayload) {
    auto faults = processor.Faults();
    faults.emptyDataAnswer = true;
    processor.SetFaults(faults);
    EXPECT_EQ(ToHex(Ask(test::SystemRead(system_id::kVersionTag))),
              "71 71 71 EE 53 01 00 09 04 00 00 00 00 00 5F AA");
    EXPECT_EQ(Ask(builder.BuildSlotFrame(BlockType::Output, 0, 0))[4], 0x51);
}

// --- USB reports and the firmware loader ---

TEST_F(SimulatedProcessorTest, BlockAnswerTravelsInFiveZeroPaddedReports) {
    HidReport request{};
    const auto read = test::ReadRequest(0, kOutput, 4, 0x77);
    std::copy(read.begin(), read.end(), request.begin() + 1);
    const auto reports = processor.ReceiveReport(request);
    ASSERT_EQ(reports.size(), 5u);
    Bytes carried;
    for (const auto& report : reports) {
        EXPECT_EQ(report[0], 0);
        carried.insert(carried.end(), report.begin() + 1, report.end());
    }
    // 312 frame bytes: the fifth report holds the last 56, then 8 zeros.
    EXPECT_EQ(carried[311], 0xAA);
    EXPECT_TRUE(std::all_of(carried.begin() + 312, carried.end(), [](auto b) { return b == 0; }));
    carried.resize(312);
    EXPECT_TRUE(test::IsSealedAnswer(carried));
}

TEST_F(SimulatedProcessorTest, BlockWriteArrivesOverSeveralReports) {
    auto block = host.Block(0, BlockType::Output, 5);
    std::fill(block.begin(), block.end(), 0x55);
    auto frame = builder.BuildBlockFrame(0, BlockType::Output, 5, BlockSource::Live);
    HidReport report;
    std::vector<HidReport> answers;
    while (frame->nextReport(report)) {
        const auto got = processor.ReceiveReport(report);
        answers.insert(answers.end(), got.begin(), got.end());
    }
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(ToHex(std::span(answers[0]).first(17)),
              "00 71 71 71 EE 51 01 00 04 05 00 00 00 00 00 51 AA");
}

TEST_F(SimulatedProcessorTest, FirmwareStepsAreCollectedAndTheStartRestarts) {
    HidReport handshake{};
    for (std::size_t i = 1; i < handshake.size(); i += 2) {
        handshake[i] = 0x43;
        handshake[i + 1] = 0x11;
    }
    EXPECT_TRUE(processor.ReceiveReport(handshake).empty());
    EXPECT_TRUE(processor.ReceiveReport(handshake).empty());

    int restarts = 0;
    processor.SetRestartHandler([&] {
        // Runs outside the processor's lock, so it may look at the processor.
        restarts = processor.Firmware().restarts;
    });
    const Bytes zeros(16, 0);
    EXPECT_EQ(Ask(test::FirmwareStep('6', zeros))[4], 0x51);
    EXPECT_EQ(restarts, 1);
    Ask(test::FirmwareStep(':', zeros));

    Bytes second = FromHex("2C 00 00 00");  // address 44 first: blocks land by address
    second.resize(48, 0xB2);
    Bytes first = FromHex("00 00 00 00");
    first.resize(48, 0xB1);
    Ask(test::FirmwareStep(';', second));
    Ask(test::FirmwareStep(';', first));
    Ask(test::FirmwareStep('7', FromHex("01 02 03 04")));
    Ask(test::FirmwareStep('8', Bytes(48, 0xC1)));
    Ask(test::FirmwareStep('8', Bytes(48, 0xC2)));
    EXPECT_EQ(Ask(test::FirmwareStep('9', FromHex("12")))[4], 0x51);

    const auto firmware = processor.Firmware();
    EXPECT_EQ(firmware.handshakeReports, 2);
    EXPECT_EQ(firmware.restarts, 1);
    EXPECT_TRUE(firmware.erased);
    ASSERT_EQ(firmware.dsp.size(), 88u);
    EXPECT_EQ(firmware.dsp[0], 0xB1);
    EXPECT_EQ(firmware.dsp[87], 0xB2);
    EXPECT_EQ(ToHex(firmware.mcuHeader), "01 02 03 04");
    ASSERT_EQ(firmware.mcu.size(), 96u);
    EXPECT_EQ(firmware.mcu[47], 0xC1);
    EXPECT_EQ(firmware.mcu[48], 0xC2);
    EXPECT_EQ(firmware.checkByte, 0x12);
    EXPECT_TRUE(firmware.finished);
}

TEST_F(SimulatedProcessorTest, DspBlockOutsideProgramMemoryIsRefused) {
    Bytes far = FromHex("00 00 00 F0");
    far.resize(48, 0xEE);
    EXPECT_EQ(Ask(test::FirmwareStep(';', far))[4], 0x52);
    EXPECT_TRUE(processor.Firmware().dsp.empty());
}

}  // namespace
}  // namespace corva::sim
