#include "host/EngineHost.h"

#include "audio/PortAudioSystem.h"
#include "platform/settings/SettingsInUseMarkers.h"
#include "protocol/MemoryInUseMarkers.h"
#include "protocol/links/HidDeviceEnumerator.h"

namespace corva::host {
namespace {

Status NothingToOpen() {
    return Status::Fail(Tr("Connection", "No connection can be opened"));
}

}  // namespace

EngineHost::EngineHost(HostSetup setup)
    : timing_{setup.timing}, simulator_{std::move(setup.simulator)} {
    if (setup.source == DeviceSource::Simulated && simulator_) {
        simulated_ = simulator_(setup.simulatedPath);
        devices_ = &simulated_->devices();
        inUse_ = std::make_unique<MemoryInUseMarkers>();
    } else {
        realDevices_ = std::make_unique<HidDeviceEnumerator>();
        devices_ = realDevices_.get();
        inUse_ = std::make_unique<SettingsInUseMarkers>();
    }
    pump_.SetDeliverer(std::move(setup.deliver));
    pump_.SetReceiver([this](const Notice& notice) { Receive(notice); });
    controller_ = std::make_unique<ConnectionController>(
        ConnectionController::Dependencies{session_, *devices_, *inUse_, timing_, pump_.Sink()});
    // Set once, before any worker runs: the hook is read on the worker thread. Progress goes
    // through the pump, so a slow front end never holds up the transfer worker.
    controller_->command().SetProgressHook(pump_.ProgressSink());
}

EngineHost::~EngineHost() {
    Shutdown();
}

void EngineHost::Shutdown() {
    controller_.reset();
}

Status EngineHost::Connect(const HostLink& link) {
    switch (link.kind) {
        case HostLink::Kind::FirstUsb:
            if (!controller_->OpenFirstDevice()) {
                return NothingToOpen();
            }
            return Status::Ok();
        case HostLink::Kind::UsbPath:
            return controller_->ConnectToPath(link.usbPath);
        case HostLink::Kind::Stream:
            return controller_->ConnectStream(StreamLinkMaker(link.stream));
        case HostLink::Kind::BuiltInSimulated:
            if (!simulator_) {
                return NothingToOpen();
            }
            return controller_->ConnectStream(BuiltInSimulatedLinks());
    }
    return Status::Ok();
}

LinkMaker EngineHost::BuiltInSimulatedLinks() {
    if (!builtIn_ && simulator_) {
        builtIn_ = simulator_(kBuiltInSimulatedPath);
    }
    // Shared: a reconnection may ask for a link while the program shuts down.
    return [made = builtIn_]() -> std::unique_ptr<Link> {
        return made ? made->devices().MakeLink(kBuiltInSimulatedPath) : nullptr;
    };
}

std::unique_ptr<audio::AudioSystem> EngineHost::MakeAudio() {
    if (simulated_) {
        return simulated_->MakeAudio();
    }
    return std::make_unique<audio::PortAudioSystem>();
}

NoticeOutcome EngineHost::Handle(const Notice& notice) {
    NoticeOutcome outcome = controller_->Handle(notice);
    if (noticeHandler_) {
        noticeHandler_(notice, outcome);
    }
    return outcome;
}

void EngineHost::Receive(const Notice& notice) {
    if (!controller_) {
        return;  // shutting down
    }
    if (notice.id == NoticeId::Progress && progressHandler_) {
        progressHandler_(notice.value);
        return;
    }
    (void)Handle(notice);
}

}  // namespace corva::host
