// The engine as both front ends use it: the link choice (USB, first or by path, TCP, serial,
// the simulated processor), the tuning session, the connection controller, the device
// enumerator and in-use marks, the trace hook and the one pump that carries the worker's
// notices to the front end's thread. A front end keeps only its own decisions: what to print
// or show for what the host delivers.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "audio/AudioSystem.h"
#include "host/NoticePump.h"
#include "host/SimulatedProcessors.h"
#include "model/TuningSession.h"
#include "protocol/DeviceEnumerator.h"
#include "protocol/InUseMarkers.h"
#include "protocol/Timing.h"
#include "protocol/links/StreamAddress.h"
#include "transfer/ConnectionController.h"

namespace corva::host {

enum class DeviceSource {
    Usb,               // processors on USB, in-use marks in the shared settings store
    Simulated,         // one simulated processor on the in-process link, marks in memory
    Demo = Simulated,  // as the window calls it
};

// The path of the simulated processor that the connection chooser offers beside the real ones.
inline constexpr const char* kBuiltInSimulatedPath = "demo:built-in";

struct HostSetup {
    DeviceSource source = DeviceSource::Usb;
    // Where the simulated processor of DeviceSource::Simulated is plugged in.
    std::string simulatedPath = "sim:processor";
    Timing timing{};
    // Makes the simulated processor; empty in a program that offers none.
    SimulatedProcessorFactory simulator;
    // Runs the pump's work on the front end's thread; empty: the front end calls DeliverNext.
    NoticePump::Deliverer deliver;
};

// A link to open.
struct HostLink {
    enum class Kind {
        FirstUsb,          // the first free processor among the host's devices
        UsbPath,           // one device by its path
        Stream,            // TCP or a serial line
        BuiltInSimulated,  // the simulated processor made on first use, kept while running
    } kind = Kind::FirstUsb;
    std::string usbPath;
    StreamAddress stream;
};

class EngineHost {
public:
    explicit EngineHost(HostSetup setup);
    ~EngineHost();
    EngineHost(const EngineHost&) = delete;
    EngineHost& operator=(const EngineHost&) = delete;

    const Timing& timing() const { return timing_; }
    TuningSession& session() { return session_; }
    ConnectionController& controller() { return *controller_; }
    DeviceEnumerator& devices() { return *devices_; }
    InUseMarkers& inUse() { return *inUse_; }
    // The simulated processor of DeviceSource::Simulated; null for USB.
    SimulatedProcessors* simulated() { return simulated_.get(); }

    // Opens the chosen link; on failure the status says why.
    Status Connect(const HostLink& link);
    // Links to the built-in simulated processor, made on first use.
    LinkMaker BuiltInSimulatedLinks();
    // The sound devices for measuring: the simulated processor's virtual car when the host
    // runs on it, the sound cards otherwise.
    std::unique_ptr<audio::AudioSystem> MakeAudio();
    // Every link's traffic, reported on the worker thread. Set before connecting.
    void SetTraceHook(TraceHook hook) { controller_->SetTraceHook(std::move(hook)); }

    // What a delivered notice meant; called on the front end's thread. Set before connecting.
    using NoticeHandler = std::function<void(const Notice&, const NoticeOutcome&)>;
    void SetNoticeHandler(NoticeHandler handler) { noticeHandler_ = std::move(handler); }
    // Progress of a bulk transfer, delivered in order with the notices. Without a progress
    // handler the notice handler hears it as a Progress notice.
    void SetProgressHandler(std::function<void(int)> handler) {
        progressHandler_ = std::move(handler);
    }
    // Hands one notice to the controller and the notice handler, on the front end's thread.
    NoticeOutcome Handle(const Notice& notice);
    // Without a deliverer: waits up to `timeoutMs` for one notice and handles it.
    bool DeliverNext(int timeoutMs) { return pump_.DeliverNext(timeoutMs); }

    // Stops the connection while everything its worker uses still exists.
    void Shutdown();

private:
    void Receive(const Notice& notice);

    const Timing timing_;
    SimulatedProcessorFactory simulator_;
    TuningSession session_;
    std::shared_ptr<SimulatedProcessors> simulated_;
    std::shared_ptr<SimulatedProcessors> builtIn_;
    std::unique_ptr<DeviceEnumerator> realDevices_;
    DeviceEnumerator* devices_ = nullptr;
    std::unique_ptr<InUseMarkers> inUse_;
    // Declared before the controller: the workers it starts push into it until they stop.
    NoticePump pump_;
    std::unique_ptr<ConnectionController> controller_;
    NoticeHandler noticeHandler_;
    std::function<void(int)> progressHandler_;
};

}  // namespace corva::host
