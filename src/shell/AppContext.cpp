#include "shell/AppContext.h"

#include "audio/PortAudioSystem.h"
#include "protocol/MemoryInUseMarkers.h"
#include "protocol/links/HidDeviceEnumerator.h"
#include "protocol/links/SettingsInUseMarkers.h"
#include "sim/InProcessLink.h"
#include "sim/VirtualCarAudio.h"

namespace corva::shell {

AppContext::AppContext(AppSetup setup)
    : timing_{setup.timing},
      startupStream_{std::move(setup.startupStream)},
      settings_{std::move(setup.folders)},
      messages_{std::make_unique<DialogPresenter>()},
      fileChooser_{std::make_unique<NativeFileChooser>()} {
    if (setup.source == DeviceSource::Demo) {
        auto devices = std::make_unique<sim::SimDeviceEnumerator>();
        devices->Plug(kDemoDevicePath);
        demoDevices_ = devices.get();
        devices_ = std::move(devices);
        inUse_ = std::make_unique<MemoryInUseMarkers>();
    } else {
        devices_ = std::make_unique<HidDeviceEnumerator>();
        inUse_ = std::make_unique<SettingsInUseMarkers>();
    }
    controller_ = std::make_unique<ConnectionController>(ConnectionController::Dependencies{
        session_, *devices_, *inUse_, timing_, poster_.NoticeSinkForWorker()});
    // Set once, before any worker runs: the hook is read on the worker thread.
    controller_->command().SetProgressHook(poster_.ProgressSinkForWorker());
    session_.SetEventSink(poster_.SessionEventSinkForEngine());
}

LinkMaker AppContext::BuiltInDemoLinks() {
    if (!builtInDemo_) {
        builtInDemo_ = std::make_shared<sim::SimDeviceEnumerator>();
        builtInDemo_->Plug(kBuiltInDemoPath);
    }
    // Shared: a reconnection may ask for a link while the program shuts down.
    return [devices = builtInDemo_] { return devices->MakeLink(kBuiltInDemoPath); };
}

std::unique_ptr<audio::AudioSystem> AppContext::MakeAudio() {
    std::shared_ptr<sim::SimulatedProcessor> simulated;
    if (controller_->online()) {
        const std::string& path = controller_->devicePath();
        if (demoDevices_ != nullptr && !path.empty()) {
            simulated = demoDevices_->Device(path);
        } else if (builtInDemo_ && path.empty() && controller_->linkKind() == LinkKind::Usb) {
            // The built-in demo is the one link reached like USB without a device path.
            simulated = builtInDemo_->Device(kBuiltInDemoPath);
        }
    }
    if (simulated) {
        return std::make_unique<sim::VirtualCarAudio>(std::move(simulated));
    }
    return std::make_unique<audio::PortAudioSystem>();
}

AppContext::~AppContext() {
    controller_.reset();  // stops the worker while everything it uses still exists
}

void AppContext::SetMessagePresenter(std::unique_ptr<MessagePresenter> presenter) {
    messages_ = std::move(presenter);
}

void AppContext::SetFileChooser(std::unique_ptr<FileChooser> chooser) {
    fileChooser_ = std::move(chooser);
}

}  // namespace corva::shell
