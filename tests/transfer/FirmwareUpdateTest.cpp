// A whole firmware update against the simulated processor's loader over the in-process USB
// link: handshake burst, restart and reopen, DSP and MCU blocks, completion and failure.
#include <gtest/gtest.h>

#include <cstring>

#include "transfer/EngineHarness.h"

namespace corva {
namespace {

FirmwareImage TwoPartImage() {
    std::vector<std::uint8_t> file(0x40004 + 8 + 100, 0);
    std::memcpy(file.data(), "WDSP", 4);
    for (std::size_t i = 0; i < 0xFFFF; ++i) {
        file[4 + i] = static_cast<std::uint8_t>(i * 13);
    }
    std::memcpy(file.data() + 0x40004, "WMCU", 4);
    for (std::size_t i = 0; i < 104; ++i) {
        file[0x40008 + i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    return ParseFirmware(file).image;
}

class FirmwareUpdateTest : public ::testing::Test {
protected:
    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    test::Engine engine{devices, inUse};
    std::vector<std::string> statusLines;
    std::atomic<int> steps{0};

    ConnectionController::FirmwareHooks Hooks() {
        return {[this](const UiText& text) {
                    std::lock_guard lock(statusMutex);
                    statusLines.push_back(text.In(UiLanguage::English));
                },
                [this] {
                    // Hooks run once the send lock is free: reading the session is safe here.
                    (void)engine.session.Snapshot();
                    ++steps;
                }};
    }
    std::mutex statusMutex;
};

TEST_F(FirmwareUpdateTest, TwoPartFileReachesTheLoaderWhole) {
    auto processor = devices.Plug("dsp");
    const FirmwareImage image = TwoPartImage();
    ASSERT_TRUE(engine.controller.StartFirmwareUpdate(image, Hooks()).ok());
    EXPECT_TRUE(engine.controller.updating());
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.messages.empty(); }, 60000));
    EXPECT_EQ(engine.messages[0].text.In(UiLanguage::English), "Update successfully!");
    EXPECT_FALSE(engine.controller.online());
    EXPECT_FALSE(engine.controller.updating());

    const auto received = processor->Firmware();
    EXPECT_GT(received.handshakeReports, 0);
    EXPECT_EQ(received.restarts, 1) << "one start step for both parts";
    EXPECT_TRUE(received.erased);
    ASSERT_GE(received.dsp.size(), image.dsp.size());
    EXPECT_TRUE(std::equal(image.dsp.begin(), image.dsp.end(), received.dsp.begin()));
    EXPECT_EQ(received.mcuHeader, image.mcuHeader);
    ASSERT_EQ(received.mcu.size(), 144u);  // 100 program bytes in three blocks, 0xFF filled
    EXPECT_TRUE(std::equal(image.mcu.begin(), image.mcu.end(), received.mcu.begin()));
    EXPECT_EQ(received.mcu.back(), 0xFF);
    EXPECT_EQ(received.checkByte, image.checkByte);
    EXPECT_TRUE(received.finished);

    std::lock_guard lock(statusMutex);
    EXPECT_EQ(statusLines.front(), "Firmware update begins!");
    EXPECT_EQ(statusLines.back(), "Update successfully!");
    EXPECT_NE(std::find(statusLines.begin(), statusLines.end(), "Erasing......"),
              statusLines.end());
    EXPECT_GT(steps.load(), 1490);
}

TEST_F(FirmwareUpdateTest, AThirdStartOfAStepFailsTheUpdate) {
    auto processor = devices.Plug("dsp");
    auto faults = processor->Faults();
    faults.resendRequests = 3;  // the start step is asked for again and again
    processor->SetFaults(faults);
    std::vector<std::uint8_t> mcuOnly = {'W', 'M', 'C', 'U', 1, 2, 3, 4, 5};
    ASSERT_TRUE(engine.controller.StartFirmwareUpdate(ParseFirmware(mcuOnly).image, Hooks()).ok());
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.messages.empty(); }, 20000));
    EXPECT_EQ(engine.messages[0].text.In(UiLanguage::English), "Connection failure!");
    EXPECT_FALSE(engine.controller.updating());
    EXPECT_FALSE(processor->Firmware().finished);
}

TEST_F(FirmwareUpdateTest, NoProcessorWithinTheWaitFails) {
    test::Engine failFast{devices, inUse, test::FailFastTiming()};
    std::vector<std::uint8_t> mcuOnly = {'W', 'M', 'C', 'U', 1, 2, 3, 4, 5};
    // The wait for a processor runs on the worker: the call returns with the update pending.
    ASSERT_TRUE(
        failFast.controller.StartFirmwareUpdate(ParseFirmware(mcuOnly).image, Hooks()).ok());
    EXPECT_TRUE(failFast.controller.updating());
    ASSERT_TRUE(failFast.PumpUntil([&] { return !failFast.messages.empty(); }));
    EXPECT_EQ(failFast.messages[0].text.In(UiLanguage::English), "Connection failure!");
    EXPECT_FALSE(failFast.controller.updating());
    EXPECT_FALSE(failFast.controller.online());
    std::lock_guard lock(statusMutex);
    EXPECT_EQ(statusLines.front(), "Connected Usb");
}

TEST_F(FirmwareUpdateTest, AProcessorPluggedInDuringTheWaitIsUpdated) {
    std::vector<std::uint8_t> mcuOnly = {'W', 'M', 'C', 'U', 1, 2, 3, 4, 5};
    ASSERT_TRUE(engine.controller.StartFirmwareUpdate(ParseFirmware(mcuOnly).image, Hooks()).ok());
    auto processor = devices.Plug("late");
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.messages.empty(); }, 60000));
    EXPECT_EQ(engine.messages[0].text.In(UiLanguage::English), "Update successfully!");
    EXPECT_TRUE(processor->Firmware().finished);
}

}  // namespace
}  // namespace corva
