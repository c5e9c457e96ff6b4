#include "protocol/links/HidLink.h"

#include <condition_variable>
#include <mutex>
#include <vector>

#include <gtest/gtest.h>

#include "protocol/links/HidDeviceEnumerator.h"

namespace corva {
namespace {

// A device behind the HID library's calls: writes can be held until the test lets them go,
// reads hand out queued reports.
struct FakeDevice {
    std::mutex mutex;
    std::condition_variable released;
    bool holdWrites = false;
    int writes = 0;
    std::vector<std::vector<std::uint8_t>> input;  // data bytes of each report to read
    bool readFails = false;

    void Release() {
        {
            std::lock_guard lock(mutex);
            holdWrites = false;
        }
        released.notify_all();
    }
};

class FakePort final : public HidDevicePort {
public:
    explicit FakePort(FakeDevice& device) : device_{device} {}
    int Write(std::span<const std::uint8_t> report) override {
        std::unique_lock lock(device_.mutex);
        device_.released.wait(lock, [this] { return !device_.holdWrites; });
        ++device_.writes;
        return static_cast<int>(report.size());
    }
    int Read(std::span<std::uint8_t> into, int) override {
        std::lock_guard lock(device_.mutex);
        if (device_.readFails) {
            return -1;
        }
        if (device_.input.empty()) {
            return 0;
        }
        const auto next = device_.input.front();
        device_.input.erase(device_.input.begin());
        std::copy_n(next.begin(), std::min(next.size(), into.size()), into.begin());
        return static_cast<int>(next.size());
    }
    std::string LastError() const override { return "fake error"; }

private:
    FakeDevice& device_;
};

HidPortOpener FakePorts(FakeDevice& device) {
    return [&device](const std::string&, std::string&) -> std::unique_ptr<HidDevicePort> {
        return std::make_unique<FakePort>(device);
    };
}

TEST(HidLinkTest, MissingDeviceFailsToOpenAndClosedLinkRefusesTraffic) {
    HidDeviceEnumerator enumerator;
    const auto link = enumerator.MakeLink("/dev/corva-no-such-hidraw");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->kind(), LinkKind::Usb);
    EXPECT_EQ(link->Describe(), "USB /dev/corva-no-such-hidraw");

    const Status opened = link->Open();
    EXPECT_FALSE(opened.ok());
    EXPECT_NE(opened.message().In(UiLanguage::English).find("/dev/corva-no-such-hidraw"),
              std::string::npos);
    EXPECT_FALSE(link->IsOpen());

    std::vector<std::uint8_t> report(65);
    EXPECT_FALSE(link->Write(report, 20).ok());
    std::size_t count = 7;
    EXPECT_EQ(link->Read(report, count, 20), ReadStatus::Failed);
    EXPECT_EQ(count, 0u);
}

TEST(HidLinkTest, AReportTheSystemDoesNotTakeFailsTheWriteWithinItsLimit) {
    FakeDevice device;
    HidLink link("fake", FakePorts(device));
    ASSERT_TRUE(link.Open().ok());
    const std::vector<std::uint8_t> report(65, 0x11);
    ASSERT_TRUE(link.Write(report, 1000).ok());

    {
        std::lock_guard lock(device.mutex);
        device.holdWrites = true;  // the system stops taking reports
    }
    const Status stalled = link.Write(report, 20);
    EXPECT_FALSE(stalled.ok());
    EXPECT_NE(stalled.message().In(UiLanguage::English).find("took longer than 20 ms"),
              std::string::npos);
    EXPECT_FALSE(link.Write(report, 20).ok()) << "the stalled report is still in the way";

    device.Release();
    link.Close();  // waits for the stalled write before letting the device go
    std::lock_guard lock(device.mutex);
    EXPECT_EQ(device.writes, 2);
}

TEST(HidLinkTest, ReadsPutTheReportNumberInFrontAndTellTimeoutsFromErrors) {
    FakeDevice device;
    device.input.push_back(std::vector<std::uint8_t>(64, 0xAB));
    HidLink link("fake", FakePorts(device));
    ASSERT_TRUE(link.Open().ok());
    std::vector<std::uint8_t> buffer(65, 0xFF);
    std::size_t count = 0;
    ASSERT_EQ(link.Read(buffer, count, 20), ReadStatus::Data);
    EXPECT_EQ(count, 65u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0xAB);
    EXPECT_EQ(buffer[64], 0xAB);
    EXPECT_EQ(link.Read(buffer, count, 20), ReadStatus::Timeout);
    EXPECT_EQ(count, 0u);
    {
        std::lock_guard lock(device.mutex);
        device.readFails = true;
    }
    EXPECT_EQ(link.Read(buffer, count, 20), ReadStatus::Failed);
}

}  // namespace
}  // namespace corva
