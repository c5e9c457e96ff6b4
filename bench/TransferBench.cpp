// Speed of the transfer engine against the simulated processor with the real time limits:
// connect to synchronised over the in-process USB link and over TCP loopback (compared with
// the floor the protocol allows: one 10 ms pause per frame), edit-to-acknowledge latency, and
// the CPU an idle connection uses.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

#include "model/ChannelEditor.h"
#include "protocol/FrameLayout.h"
#include "protocol/links/TcpLink.h"
#include "sim/StreamServer.h"
#include "transfer/EngineHarness.h"

namespace {

using namespace corva;

// Frames of a connection up to synchronised: version, settings, 15 names, 5 sync ids, 6 blocks.
constexpr int kFramesToSynchronised = 2 + 15 + 5 + 6;

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void ReportFloor(benchmark::State& state) {
    const double floorMs = kFramesToSynchronised * Timing{}.cyclePauseMs;
    state.counters["floor_ms"] = floorMs;
}

// A simulated processor on the in-process USB link and an engine with the real time limits.
struct UsbConnection {
    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    std::shared_ptr<sim::SimulatedProcessor> processor = devices.Plug("bench");
    test::Engine engine{devices, inUse, Timing{}};

    // Connects and reads everything; when that fails the benchmark is skipped and false returned.
    bool Synchronise(benchmark::State& state) {
        if (engine.ConnectSynchronised("bench")) {
            return true;
        }
        state.SkipWithError("no connection");
        return false;
    }
};

void BM_ConnectToSynchronisedInProcess(benchmark::State& state) {
    for (auto _ : state) {
        UsbConnection usb;
        if (!usb.Synchronise(state)) {
            return;
        }
        usb.engine.controller.Disconnect();
    }
    ReportFloor(state);
}
BENCHMARK(BM_ConnectToSynchronisedInProcess)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ConnectToSynchronisedTcp(benchmark::State& state) {
    auto processor = std::make_shared<sim::SimulatedProcessor>();
    sim::StreamServer server(processor);
    if (!server.StartTcp("127.0.0.1", 0).ok()) {
        state.SkipWithError("no server");
        return;
    }
    for (auto _ : state) {
        sim::SimDeviceEnumerator noUsb;
        test::SharedInUseMarkers inUse;
        test::Engine engine(noUsb, inUse, Timing{});
        const auto port = server.port();
        if (!engine.controller
                 .ConnectStream([port] { return std::make_unique<TcpLink>("127.0.0.1", port); })
                 .ok() ||
            !engine.WaitSynchronised()) {
            state.SkipWithError("no connection");
            return;
        }
        engine.controller.Disconnect();
    }
    ReportFloor(state);
}
BENCHMARK(BM_ConnectToSynchronisedTcp)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EditToAcknowledge(benchmark::State& state) {
    UsbConnection usb;
    if (!usb.Synchronise(state)) {
        return;
    }
    auto& engine = usb.engine;
    auto& processor = usb.processor;
    ChannelEditor editor(engine.session);
    int gain = 100;
    for (auto _ : state) {
        processor->ClearReceivedFrames();
        editor.SetGain(2, gain++);
        engine.PumpUntil([&] {
            std::lock_guard lock(engine.session.engine().sendLock);
            for (const auto& frame : processor->ReceivedFrames()) {
                if (frame[frame::kSlot] == 31 && frame[frame::kCommand] == 0xA1) {
                    // Written and answered: nothing of the edit is pending or in flight.
                    return !engine.session.engine().model.output(2).pending().strip &&
                           (engine.session.engine().queue.empty() ||
                            engine.session.engine().queue.front()->data()[frame::kSlot] != 31);
                }
            }
            return false;
        });
    }
    engine.controller.Disconnect();
}
BENCHMARK(BM_EditToAcknowledge)->Iterations(50)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IdleConnectionCpu(benchmark::State& state) {
    UsbConnection usb;
    if (!usb.Synchronise(state)) {
        return;
    }
    constexpr int kIdleMs = 3000;
    double cpu = 0;
    for (auto _ : state) {
        const double before = CpuSeconds();
        usb.engine.PumpUntil([] { return false; }, kIdleMs);
        cpu = CpuSeconds() - before;
    }
    // Scaled to one idle minute; the simulator's share of the work is included.
    state.counters["cpu_s_per_idle_minute"] = cpu * 60000.0 / kIdleMs;
    usb.engine.controller.Disconnect();
}
BENCHMARK(BM_IdleConnectionCpu)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
