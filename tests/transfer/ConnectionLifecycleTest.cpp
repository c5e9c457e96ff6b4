// The connection as the front end's thread lives with it: stopping never waits for a silent
// link, notices of a closed link change nothing, and the session events that follow a
// connection's notices.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "protocol/FrameLayout.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

using Clock = std::chrono::steady_clock;

// Waits (without asserting any time) until `done` holds; false after `limitMs`.
bool Eventually(const std::function<bool()>& done, int limitMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// What the test sees of a link that takes every frame and never answers.
struct SilentLinkState {
    std::atomic<bool> reading{false};
    std::atomic<bool> closed{false};
};

// A USB link whose every read waits out the whole limit it is given and brings nothing.
class SilentLink : public Link {
public:
    explicit SilentLink(std::shared_ptr<SilentLinkState> state) : state_{std::move(state)} {}
    LinkKind kind() const override { return LinkKind::Usb; }
    std::string Describe() const override { return "USB silent"; }
    Status Open() override { return Status::Ok(); }
    void Close() override { state_->closed = true; }
    bool IsOpen() const override { return !state_->closed; }
    Status Write(std::span<const std::uint8_t>, int) override { return Status::Ok(); }
    ReadStatus Read(std::span<std::uint8_t>, std::size_t& count, int timeoutMs) override {
        count = 0;
        state_->reading = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
        return ReadStatus::Timeout;
    }

private:
    std::shared_ptr<SilentLinkState> state_;
};

class SilentDevices : public DeviceEnumerator {
public:
    std::vector<DeviceInfo> Enumerate() override {
        return {{"silent", kProcessorVendorId, kProcessorProductId, kProcessorReleaseNumber}};
    }
    std::unique_ptr<Link> MakeLink(const std::string&) override {
        return std::make_unique<SilentLink>(state);
    }
    std::shared_ptr<SilentLinkState> state = std::make_shared<SilentLinkState>();
};

TEST(ConnectionStopTest, StoppingDuringASilentReadReturnsAtOnceAndTheLinkClosesSoon) {
    SilentDevices devices;
    test::SharedInUseMarkers inUse;
    // The real limits: the silent read would last four seconds, the cycle three.
    test::Engine engine(devices, inUse, Timing{});
    ASSERT_TRUE(engine.controller.ConnectToPath("silent").ok());
    ASSERT_TRUE(Eventually([&] { return devices.state->reading.load(); }, 5000));

    const auto before = Clock::now();
    engine.controller.Disconnect();
    const auto took = Clock::now() - before;
    EXPECT_LT(took, std::chrono::milliseconds(50));
    EXPECT_FALSE(engine.controller.online());

    // The worker sees the stop within a read slice and closes the link on its own thread,
    // long before the silent read's own limit.
    EXPECT_TRUE(Eventually([&] { return devices.state->closed.load(); }, 2000));
    EXPECT_TRUE(Eventually([&] { return engine.controller.closingLinks() == 0; }, 2000));
    EXPECT_TRUE(engine.messages.empty()) << "a stop is no failure";
}

class ConnectionEventsTest : public ::testing::Test {
protected:
    ConnectionEventsTest() {
        engine.session.SetEventSink([this](const SessionEvent& event) {
            std::lock_guard lock(mutex);
            events.push_back(event);
        });
    }
    std::vector<SessionChange> Changes() {
        std::lock_guard lock(mutex);
        std::vector<SessionChange> changes;
        for (const auto& event : events) {
            changes.push_back(event.change);
        }
        return changes;
    }
    bool Has(SessionChange change) {
        const auto changes = Changes();
        return std::find(changes.begin(), changes.end(), change) != changes.end();
    }
    void Forget() {
        std::lock_guard lock(mutex);
        events.clear();
    }

    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    test::Engine engine{devices, inUse};
    std::mutex mutex;
    std::vector<SessionEvent> events;
};

TEST_F(ConnectionEventsTest, AFullReadRaisesSynchronisedOutputsAndPresetsAndIdlePollsNothing) {
    auto processor = devices.Plug("events");
    ASSERT_TRUE(engine.controller.ConnectToPath("events").ok());
    ASSERT_TRUE(engine.WaitSynchronised());
    EXPECT_TRUE(Has(SessionChange::Synchronised));
    EXPECT_TRUE(Has(SessionChange::Presets));
    EXPECT_TRUE(Has(SessionChange::Protection));
    {
        std::lock_guard lock(mutex);
        const auto outputs = std::find_if(events.begin(), events.end(), [](const auto& event) {
            return event.change == SessionChange::Outputs;
        });
        ASSERT_NE(outputs, events.end());
        EXPECT_EQ(outputs->channels, kAllOutputChannels);
    }

    // Idle: status polls come and go, and nobody is told anything.
    Forget();
    processor->ClearReceivedFrames();
    ASSERT_TRUE(engine.PumpUntil([&] { return processor->ReceivedFrames().size() >= 5; }));
    EXPECT_NE(std::find(engine.notices.begin(), engine.notices.end(), NoticeId::StatusReceived),
              engine.notices.end());
    EXPECT_TRUE(Changes().empty());

    engine.controller.Disconnect();
    EXPECT_TRUE(Has(SessionChange::LinkLost));
    EXPECT_TRUE(Has(SessionChange::Synchronised)) << "synchronised no longer";
}

TEST_F(ConnectionEventsTest, ALateOutputsNoticeLeavesAClosedSessionUnsynchronised) {
    devices.Plug("late");
    ASSERT_TRUE(engine.controller.ConnectToPath("late").ok());
    ASSERT_TRUE(engine.PumpUntil([&] {
        std::lock_guard lock(engine.session.engine().sendLock);
        return engine.session.engine().queue.count() > 20;  // the full read is queued
    }));
    engine.controller.Disconnect();
    Forget();

    // The last output block's notice was already on its way when the link closed.
    EXPECT_FALSE(engine.controller.HandleNotice({NoticeId::OutputsReceived, 0}));
    EXPECT_FALSE(engine.controller.synchronised());
    EXPECT_FALSE(engine.session.Snapshot().synchronised);
    EXPECT_TRUE(Changes().empty());
}

TEST_F(ConnectionEventsTest, AFailedLinkIsLostAndNotSynchronised) {
    auto processor = devices.Plug("fails");
    ASSERT_TRUE(engine.controller.ConnectToPath("fails").ok());
    ASSERT_TRUE(engine.WaitSynchronised());
    Forget();
    auto faults = processor->Faults();
    faults.silent = true;
    processor->SetFaults(faults);
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.controller.online(); }));
    EXPECT_EQ(Changes(),
              (std::vector<SessionChange>{SessionChange::Synchronised, SessionChange::LinkLost}));
}

}  // namespace
}  // namespace corva
