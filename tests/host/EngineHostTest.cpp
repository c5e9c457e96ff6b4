// The engine host as a front end without an event loop uses it: the simulated processor handed
// in through the factory, the notices taken from its pump, and the links it chooses.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "host/EngineHost.h"
#include "sim/SimulatedProcessorKit.h"

namespace corva::host {
namespace {

bool DeliverUntil(EngineHost& host, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        (void)host.DeliverNext(20);
    }
    return done();
}

TEST(EngineHostTest, ReadsTheSimulatedProcessorAndHandsEveryNoticeToTheFrontEnd) {
    HostSetup setup;
    setup.source = DeviceSource::Simulated;
    setup.simulator = sim::SimulatedProcessorKit::Factory();
    EngineHost host(std::move(setup));
    ASSERT_NE(host.simulated(), nullptr);
    std::vector<NoticeId> heard;
    int progressSteps = 0;
    host.SetNoticeHandler([&](const Notice& notice, const NoticeOutcome& outcome) {
        heard.push_back(notice.id);
        progressSteps += outcome.progressIndex ? 1 : 0;
    });

    ASSERT_TRUE(host.Connect({HostLink::Kind::FirstUsb, {}, {}}).ok());
    ASSERT_TRUE(DeliverUntil(host, [&] { return host.controller().synchronised(); }));
    EXPECT_NE(std::find(heard.begin(), heard.end(), NoticeId::VersionReceived), heard.end());
    EXPECT_GT(progressSteps, 0);  // the full read's progress comes through the same pump
    EXPECT_TRUE(host.session().Snapshot().synchronised);

    // The built-in processor is a second one, beside the host's own devices.
    ASSERT_TRUE(host.Connect({HostLink::Kind::BuiltInSimulated, {}, {}}).ok());
    ASSERT_TRUE(DeliverUntil(host, [&] { return host.controller().synchronised(); }));
    EXPECT_TRUE(host.controller().devicePath().empty());
    host.controller().Disconnect();
}

TEST(EngineHostTest, AFrontEndWithAnEventLoopGetsTheNoticesOnlyThroughItsHook) {
    std::mutex mutex;
    std::deque<std::function<void()>> posted;  // the front end's event queue
    HostSetup setup;
    setup.source = DeviceSource::Simulated;
    setup.simulator = sim::SimulatedProcessorKit::Factory();
    setup.deliver = [&](std::function<void()> work) {
        std::lock_guard lock(mutex);
        posted.push_back(std::move(work));
    };
    EngineHost host(std::move(setup));
    int handled = 0;
    host.SetNoticeHandler([&](const Notice&, const NoticeOutcome&) { ++handled; });
    ASSERT_TRUE(host.Connect({HostLink::Kind::FirstUsb, {}, {}}).ok());
    EXPECT_FALSE(host.DeliverNext(50));  // nothing waits in the pump itself
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!host.controller().synchronised() && std::chrono::steady_clock::now() < deadline) {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex);
            if (!posted.empty()) {
                work = std::move(posted.front());
                posted.pop_front();
            }
        }
        if (work) {
            work();  // "on the front end's thread": here, the test's
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    EXPECT_TRUE(host.controller().synchronised());
    EXPECT_GT(handled, 0);
    host.Shutdown();
}

TEST(EngineHostTest, WithoutASimulatorTheBuiltInProcessorIsRefused) {
    EngineHost host(HostSetup{});
    EXPECT_EQ(host.simulated(), nullptr);
    const Status refused = host.Connect({HostLink::Kind::BuiltInSimulated, {}, {}});
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.message().In(UiLanguage::English), "No connection can be opened");
    EXPECT_FALSE(host.controller().online());
}

}  // namespace
}  // namespace corva::host
