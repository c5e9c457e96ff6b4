#include "sim/InProcessLink.h"

#include <gtest/gtest.h>

#include <array>
#include <thread>

#include "sim/SimFrames.h"

namespace corva::sim {
namespace {

using test::Bytes;

HidReport ReportOf(const Bytes& frame) {
    HidReport report{};
    std::copy_n(frame.begin(), std::min<std::size_t>(frame.size(), 64), report.begin() + 1);
    return report;
}

const HidReport kVersionRequest = ReportOf(test::SystemRead(system_id::kVersionTag));

// A long wait for reads that are expected to succeed; they return as soon as data is there.
constexpr int kPatientMs = 5000;

TEST(SimDeviceEnumeratorTest, ListsPluggedDevicesInPlugOrderWithTheirIdentity) {
    SimDeviceEnumerator devices;
    devices.Plug("b");
    DeviceInfo other{"", 0x1234, 0x5678, 0x0100};
    devices.Plug("a", &other);
    auto devicesNow = devices.Enumerate();
    ASSERT_EQ(devicesNow.size(), 2u);
    EXPECT_EQ(devicesNow[0].path, "b");
    EXPECT_TRUE(devicesNow[0].IsProcessor());
    EXPECT_EQ(devicesNow[1].path, "a");
    EXPECT_EQ(devicesNow[1].vendorId, 0x1234);
    EXPECT_FALSE(devicesNow[1].IsProcessor());

    const auto b = devices.Device("b");
    devices.Unplug("b");
    EXPECT_EQ(devices.Enumerate().size(), 1u);
    EXPECT_EQ(devices.Device("b"), nullptr);
    // Plugged back in: the same device (its memory survives), now last in the list.
    EXPECT_EQ(devices.Plug("b"), b);
    EXPECT_EQ(devices.Enumerate().back().path, "b");
    EXPECT_EQ(devices.Plug("b"), b) << "plugging a plugged device changes nothing";
    EXPECT_EQ(devices.Enumerate().size(), 2u);
}

TEST(InProcessLinkTest, WriteReadAnswersThroughReportsAndTraces) {
    SimDeviceEnumerator devices;
    devices.Plug("dev");
    auto link = devices.MakeLink("dev");
    EXPECT_EQ(link->kind(), LinkKind::Usb);
    std::vector<std::pair<TraceDirection, std::size_t>> traced;
    link->SetTraceHook([&](TraceDirection direction, std::span<const std::uint8_t> bytes) {
        traced.emplace_back(direction, bytes.size());
    });
    EXPECT_FALSE(link->Write(kVersionRequest, 100).ok()) << "not open yet";
    ASSERT_TRUE(link->Open().ok());
    ASSERT_TRUE(link->Write(kVersionRequest, 100).ok());

    HidReport report{};
    std::size_t count = 0;
    ASSERT_EQ(link->Read(report, count, kPatientMs), ReadStatus::Data);
    EXPECT_EQ(count, 65u);
    EXPECT_EQ(report[0], 0);
    EXPECT_EQ(report[5], 0x53);
    EXPECT_EQ(report[15], 'R');
    EXPECT_EQ(link->Read(report, count, 0), ReadStatus::Timeout);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(traced, (std::vector<std::pair<TraceDirection, std::size_t>>{
                          {TraceDirection::Sent, 65}, {TraceDirection::Received, 65}}));
}

TEST(InProcessLinkTest, DeviceOpensOnOneLinkAtATime) {
    SimDeviceEnumerator devices;
    devices.Plug("dev");
    auto first = devices.MakeLink("dev");
    auto second = devices.MakeLink("dev");
    ASSERT_TRUE(first->Open().ok());
    EXPECT_FALSE(second->Open().ok());
    first->Close();
    EXPECT_TRUE(second->Open().ok());
    EXPECT_FALSE(first->Open().ok());
    second.reset();  // a destroyed link lets go of the device too
    EXPECT_TRUE(first->Open().ok());
    EXPECT_FALSE(devices.MakeLink("nowhere")->Open().ok());
}

TEST(InProcessLinkTest, PulledDeviceFailsReadsAndWritesAndCannotBeOpened) {
    SimDeviceEnumerator devices;
    devices.Plug("dev");
    auto link = devices.MakeLink("dev");
    ASSERT_TRUE(link->Open().ok());
    devices.Unplug("dev");
    HidReport report{};
    std::size_t count = 0;
    EXPECT_EQ(link->Read(report, count, kPatientMs), ReadStatus::Failed);
    EXPECT_FALSE(link->Write(kVersionRequest, 100).ok());
    link->Close();
    EXPECT_FALSE(link->Open().ok());
    devices.Plug("dev");
    EXPECT_TRUE(link->Open().ok());
    EXPECT_EQ(link->Read(report, count, 0), ReadStatus::Timeout);
}

TEST(InProcessLinkTest, UnplugWakesAWaitingRead) {
    SimDeviceEnumerator devices;
    devices.Plug("dev");
    auto link = devices.MakeLink("dev");
    ASSERT_TRUE(link->Open().ok());
    ReadStatus status = ReadStatus::Data;
    std::thread reader([&] {
        HidReport report{};
        std::size_t count = 0;
        status = link->Read(report, count, 60'000);
    });
    devices.Unplug("dev");
    reader.join();  // well before the minute is up
    EXPECT_EQ(status, ReadStatus::Failed);
}

TEST(InProcessLinkTest, StartStepAnswerArrivesThenTheDeviceComesBackForANewOpen) {
    SimDeviceEnumerator devices;
    devices.Plug("dev");
    auto link = devices.MakeLink("dev");
    ASSERT_TRUE(link->Open().ok());
    ASSERT_TRUE(link->Write(ReportOf(test::FirmwareStep('6', Bytes(16, 0))), 100).ok());

    HidReport report{};
    std::size_t count = 0;
    ASSERT_EQ(link->Read(report, count, kPatientMs), ReadStatus::Data);
    EXPECT_EQ(report[5], 0x51) << "the start step is acknowledged before the restart";
    EXPECT_EQ(link->Read(report, count, kPatientMs), ReadStatus::Failed);

    ASSERT_EQ(devices.Enumerate().size(), 1u);
    EXPECT_EQ(devices.Device("dev")->Firmware().restarts, 1);
    auto reopened = devices.MakeLink("dev");
    ASSERT_TRUE(reopened->Open().ok()) << "the restart freed the device";
    link->Close();
    EXPECT_FALSE(link->Open().ok()) << "the new link holds it";
}

TEST(InProcessLinkTest, AnswerDelayHoldsTheAnswerBack) {
    SimDeviceEnumerator devices;
    auto processor = devices.Plug("dev");
    auto faults = processor->Faults();
    faults.answerDelayMs = 600'000;
    processor->SetFaults(faults);
    auto link = devices.MakeLink("dev");
    ASSERT_TRUE(link->Open().ok());
    ASSERT_TRUE(link->Write(kVersionRequest, 100).ok());
    HidReport report{};
    std::size_t count = 0;
    EXPECT_EQ(link->Read(report, count, 0), ReadStatus::Timeout);
    link->Close();
    EXPECT_EQ(link->Read(report, count, 0), ReadStatus::Failed);

    faults.answerDelayMs = 1;
    processor->SetFaults(faults);
    ASSERT_TRUE(link->Open().ok());
    ASSERT_TRUE(link->Write(kVersionRequest, 100).ok());
    EXPECT_EQ(link->Read(report, count, kPatientMs), ReadStatus::Data);
}

TEST(InProcessLinkTest, LinkOutlivesItsEnumerator) {
    std::unique_ptr<Link> link;
    {
        SimDeviceEnumerator devices;
        devices.Plug("dev");
        link = devices.MakeLink("dev");
        ASSERT_TRUE(link->Open().ok());
    }
    HidReport report{};
    std::size_t count = 0;
    EXPECT_EQ(link->Read(report, count, kPatientMs), ReadStatus::Failed);
}

}  // namespace
}  // namespace corva::sim
