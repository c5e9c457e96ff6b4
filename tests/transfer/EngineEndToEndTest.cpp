// The engine against simulated processors on the in-process USB link: handshake, full read,
// edits, polling, failures, hot-plug and bulk transfers.
#include <gtest/gtest.h>

#include "core/ByteOrder.h"
#include "model/ChannelEditor.h"
#include "protocol/FrameLayout.h"
#include "support/Hex.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

using sim::SimDeviceEnumerator;
using sim::SimulatedProcessor;
using test::Engine;

// "type/channel/slot-or-mode/preset" of a frame the processor received.
std::string Describe(const std::vector<std::uint8_t>& frame) {
    return std::string(frame[frame::kCommand] == 0xA2 ? "R:" : "W:") +
           std::to_string(frame[frame::kBlockType]) + "/" + std::to_string(frame[frame::kChannel]) +
           "/" + std::to_string(frame[frame::kSlot]) + "/" + std::to_string(frame[frame::kPreset]);
}

bool IsPoll(const std::vector<std::uint8_t>& frame) {
    return frame[frame::kCommand] == 0xA2 && frame[frame::kBlockType] == 9 &&
           frame[frame::kChannel] == 3;
}

std::vector<std::string> WithoutPolls(const std::vector<std::vector<std::uint8_t>>& frames) {
    std::vector<std::string> described;
    for (const auto& frame : frames) {
        if (!IsPoll(frame)) {
            described.push_back(Describe(frame));
        }
    }
    return described;
}

class EngineEndToEndTest : public ::testing::Test {
protected:
    // Plugs a processor at `path` that misbehaves as `fault` sets.
    std::shared_ptr<SimulatedProcessor> PlugFaulty(
        const std::string& path, const std::function<void(sim::SimFaults&)>& fault) {
        auto processor = devices.Plug(path);
        auto faults = processor->Faults();
        fault(faults);
        processor->SetFaults(faults);
        return processor;
    }

    SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
};

TEST_F(EngineEndToEndTest, ConnectReadsEverythingInOrderThenPollsAndSendsEdits) {
    auto processor = devices.Plug("sim-usb-1");
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.ConnectSynchronised("sim-usb-1"));

    const std::string R = "R:";
    std::vector<std::string> expected = {R + "9/4/0/0", R + "9/2/0/0"};
    for (int p = 1; p <= 15; ++p) {
        expected.push_back(R + "9/0/0/" + std::to_string(p));
    }
    for (const int id : {19, 0, 52, 5, 6}) {
        expected.push_back(R + "9/" + std::to_string(id) + "/0/0");
    }
    for (int c = 0; c < 6; ++c) {
        expected.push_back(R + "4/" + std::to_string(c) + "/119/0");
    }
    EXPECT_EQ(WithoutPolls(processor->ReceivedFrames()), expected);

    // Idle: the worker keeps polling the status list.
    processor->ClearReceivedFrames();
    ASSERT_TRUE(engine.PumpUntil([&] { return processor->ReceivedFrames().size() >= 3; }));
    for (const auto& frame : processor->ReceivedFrames()) {
        EXPECT_TRUE(IsPoll(frame));
    }

    // An edit arrives as the exact slot frame.
    ChannelEditor editor(engine.session);
    editor.SetGain(1, 500);
    ASSERT_TRUE(
        engine.PumpUntil([&] { return !WithoutPolls(processor->ReceivedFrames()).empty(); }));
    std::vector<std::uint8_t> strip;
    for (const auto& frame : processor->ReceivedFrames()) {
        if (!IsPoll(frame))
            strip = frame;
    }
    EXPECT_EQ(test::ToHex(strip).substr(12, 29), "A1 01 00 04 01 1F 00 00 08 00");
    EXPECT_EQ(ReadLe16(strip, 16), 500);
    engine.controller.Disconnect();
}

TEST_F(EngineEndToEndTest, WrongFamilyDisconnectsSilently) {
    PlugFaulty("other", [&](sim::SimFaults& faults) { faults.versionTag = "ABCD-EF1.00"; });
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.controller.ConnectToPath("other").ok());
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.controller.online(); }));
    EXPECT_TRUE(engine.messages.empty());
    EXPECT_TRUE(inUse.IsFree("other"));
}

TEST_F(EngineEndToEndTest, NewerMajorVersionNamesTheSoftwareRange) {
    PlugFaulty("newer", [&](sim::SimFaults& faults) { faults.versionTag = "RUDA-DO2.00"; });
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.controller.ConnectToPath("newer").ok());
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.messages.empty(); }));
    EXPECT_NE(engine.messages[0].text.In(UiLanguage::English).find("VERI-ZE2.01 to VERI-ZE2.99"),
              std::string::npos);
    EXPECT_FALSE(engine.controller.online());
}

TEST_F(EngineEndToEndTest, EmptyDataAnswerAsksForFirmware) {
    PlugFaulty("old-firmware", [&](sim::SimFaults& faults) { faults.emptyDataAnswer = true; });
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.controller.ConnectToPath("old-firmware").ok());
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.messages.empty(); }));
    EXPECT_EQ(engine.messages[0].text.In(UiLanguage::English), "Please Update the Firmware!");
    EXPECT_FALSE(engine.controller.online());
}

TEST_F(EngineEndToEndTest, SilenceOrBadChecksumsFailTheUsbLink) {
    for (const bool silent : {true, false}) {
        PlugFaulty(silent ? "silent" : "garbled", [&](sim::SimFaults& faults) {
            faults.silent = silent;
            faults.wrongChecksum = !silent;
        });
        Engine engine(devices, inUse, test::FailFastTiming());
        ASSERT_TRUE(engine.controller.ConnectToPath(silent ? "silent" : "garbled").ok());
        ASSERT_TRUE(engine.PumpUntil([&] { return !engine.controller.online(); }));
        ASSERT_EQ(engine.messages.size(), 1u);
        EXPECT_EQ(engine.messages[0].text.In(UiLanguage::English), "Connection failure!");
        EXPECT_EQ(engine.messages[0].style, MessageStyle::Timed);
    }
}

TEST_F(EngineEndToEndTest, ResendRequestWritesTheFrameAgain) {
    auto processor =
        PlugFaulty("resend", [&](sim::SimFaults& faults) { faults.resendRequests = 2; });
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.ConnectSynchronised("resend"));
    const auto frames = WithoutPolls(processor->ReceivedFrames());
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames[0], frames[1]);  // the version request three times
    EXPECT_EQ(frames[1], frames[2]);
}

TEST_F(EngineEndToEndTest, PullingTheOpenDeviceDisconnectsWithTheFailureMessage) {
    devices.Plug("pulled");
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.ConnectSynchronised("pulled"));
    devices.Unplug("pulled");
    if (auto message = engine.controller.PollDevices()) {
        engine.messages.push_back(*message);
    }
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.controller.online(); }));
    EXPECT_EQ(engine.messages.size(), 1u) << "one message, however the removal was noticed";
    EXPECT_TRUE(inUse.IsFree("pulled"));
}

TEST_F(EngineEndToEndTest, PluggingInConnectsAndASecondDeviceIsLeftAlone) {
    Engine engine(devices, inUse);
    EXPECT_FALSE(engine.controller.PollDevices());
    devices.Plug("first");
    engine.controller.PollDevices();
    EXPECT_TRUE(engine.controller.online());
    EXPECT_EQ(engine.controller.devicePath(), "first");
    devices.Plug("second");
    engine.controller.PollDevices();
    EXPECT_EQ(engine.controller.devicePath(), "first");
}

TEST_F(EngineEndToEndTest, TwoEnginesShareTheInUseMarks) {
    devices.Plug("one");
    devices.Plug("two");
    Engine first(devices, inUse);
    Engine second(devices, inUse);
    ASSERT_TRUE(first.controller.ConnectToPath("one").ok());
    EXPECT_FALSE(second.controller.ConnectToPath("one").ok());
    const auto outcome = second.controller.ToggleConnection();  // only "two" is free: no menu
    EXPECT_EQ(outcome.kind, ConnectionController::ToggleOutcome::Kind::Connected);
    EXPECT_EQ(second.controller.devicePath(), "two");
    const auto third = Engine(devices, inUse).controller.ToggleConnection();
    EXPECT_EQ(third.kind, ConnectionController::ToggleOutcome::Kind::Failed);
    EXPECT_EQ(third.message->text.In(UiLanguage::English), "No connection can be opened");
}

TEST_F(EngineEndToEndTest, SeveralFreeDevicesOfferAChoice) {
    devices.Plug("a");
    devices.Plug("b");
    Engine engine(devices, inUse);
    const auto outcome = engine.controller.ToggleConnection();
    ASSERT_EQ(outcome.kind, ConnectionController::ToggleOutcome::Kind::ChooseDevice);
    EXPECT_EQ(outcome.choiceLabels, (std::vector<std::string>{"USB 1", "USB 2"}));
    ASSERT_TRUE(engine.controller.ConnectToPath(outcome.choicePaths[1]).ok());
    EXPECT_EQ(engine.controller.devicePath(), "b");
    EXPECT_EQ(engine.controller.ToggleConnection().kind,
              ConnectionController::ToggleOutcome::Kind::Disconnected);
    EXPECT_TRUE(inUse.IsFree("b"));
}

TEST_F(EngineEndToEndTest, SendAllMutesAndRestoresAroundTheTransfer) {
    auto processor = devices.Plug("all");
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.ConnectSynchronised("all"));
    processor->ClearReceivedFrames();
    ASSERT_TRUE(engine.controller.bulk().SendAll());
    ASSERT_TRUE(engine.WaitQueueIdle());
    const auto frames = processor->ReceivedFrames();
    std::vector<std::vector<std::uint8_t>> sent;
    for (const auto& frame : frames) {
        if (!IsPoll(frame))
            sent.push_back(frame);
    }
    ASSERT_EQ(sent.size(), 1u + 6 + 6 + 6 + 15 * 7 + 1);
    EXPECT_EQ(sent.front()[frame::kChannel], 5);  // main volume, byte 6 cleared
    EXPECT_EQ(sent.front()[frame::kHeaderSize + 6], 0);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(sent[1 + c][frame::kSlot], 31);  // muted strips
        EXPECT_EQ(sent[1 + c][frame::kHeaderSize], 0);
        EXPECT_EQ(sent[7 + c].size(), 312u);             // live blocks
        EXPECT_EQ(sent[13 + c][frame::kHeaderSize], 1);  // strips restored
    }
    EXPECT_EQ(sent[19][frame::kChannel], 0);  // preset 1's name
    EXPECT_EQ(sent[19][frame::kPreset], 1);
    EXPECT_EQ(sent.back()[frame::kHeaderSize + 6], 1);  // byte 6 restored
}

TEST_F(EngineEndToEndTest, StoreAllGathersNinetyBlocksAndSaysSo) {
    auto processor = devices.Plug("store");
    processor->WithMemory(
        [](ParameterImage& memory) { memory.Block(9, BlockType::Output, 2)[0] = 0x42; });
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.ConnectSynchronised("store"));
    processor->ClearReceivedFrames();
    EXPECT_EQ(engine.controller.bulk().StoreAllPresetsToPc(), 90);
    ASSERT_TRUE(engine.PumpUntil([&] {
        return std::count(engine.notices.begin(), engine.notices.end(),
                          NoticeId::PresetsReceived) == 1;
    }));
    EXPECT_EQ(WithoutPolls(processor->ReceivedFrames()).size(), 90u);
    std::lock_guard lock(engine.session.engine().sendLock);
    EXPECT_EQ(engine.session.engine().image.Block(9, BlockType::Output, 2)[0], 0x42);
}

// A processor that asks for every frame again, or answers each frame just inside its limit,
// must not hold a backup for ever: the transfer stops and says which limit ran out.
TEST_F(EngineEndToEndTest, ATrickledOrEndlesslyResentBackupStopsAtItsLimit) {
    struct Case {
        const char* path;
        int resendRequests;
        int answerDelayMs;
        const char* detail;
    };
    for (const Case& c :
         {Case{"resending", 1'000'000, 0, "again more than 8 times"},
          Case{"trickling", 0, 20, "the backup of the stored presets ran past its time limit"}}) {
        auto processor = devices.Plug(c.path);
        Timing timing = test::SuccessTiming();
        timing.transferBaseMs = 100;  // 90 frames: 550 ms, where the trickle takes 1.8 s
        timing.transferPerFrameMs = 5;
        Engine engine(devices, inUse, timing);
        ASSERT_TRUE(engine.ConnectSynchronised(c.path));
        processor->ClearReceivedFrames();
        auto faults = processor->Faults();
        faults.resendRequests = c.resendRequests;
        faults.answerDelayMs = c.answerDelayMs;
        processor->SetFaults(faults);
        ASSERT_TRUE(engine.controller.bulk().StoreAllPresetsToPc());
        ASSERT_TRUE(engine.PumpUntil([&] { return !engine.controller.online(); }, 10000)) << c.path;
        ASSERT_EQ(engine.messages.size(), 1u);
        EXPECT_EQ(engine.messages[0].text.In(UiLanguage::English), "Connection failure!");
        // The idle poll in flight when the resends begin may be the frame that draws them.
        const std::string detail = engine.messages[0].detail;
        EXPECT_NE(detail.find(c.detail), std::string::npos) << detail;
        EXPECT_EQ(engine.messages[0].reason.In(UiLanguage::English), "Stopped: " + detail + ".");
        EXPECT_LT(WithoutPolls(processor->ReceivedFrames()).size(), 90u);
    }
}

}  // namespace
}  // namespace corva
