// Everything that lives as long as the program: the tuning session, the device enumerator and
// in-use marks, the connection controller, the settings store, the language, where messages
// appear and the busy flag. Created once by the application and passed by reference.
#pragma once

#include <memory>
#include <optional>

#include "audio/AudioSystem.h"
#include "model/TuningSession.h"
#include "protocol/DeviceEnumerator.h"
#include "protocol/InUseMarkers.h"
#include "protocol/Timing.h"
#include "protocol/links/StreamAddress.h"
#include "shell/FileChooser.h"
#include "shell/Language.h"
#include "shell/MessagePresenter.h"
#include "shell/NoticePoster.h"
#include "shell/SettingsStore.h"
#include "transfer/ConnectionController.h"

namespace corva::sim {
class SimDeviceEnumerator;
}

namespace corva::shell {

enum class DeviceSource {
    Usb,   // processors on USB, in-use marks in the shared settings store
    Demo,  // one simulated processor on the in-process link, marks in memory
};

// The path of the simulated processor plugged in for the demonstration.
inline constexpr const char* kDemoDevicePath = "demo:processor-1";
// The built-in simulated processor that the connection chooser offers as "Demo processor".
inline constexpr const char* kBuiltInDemoPath = "demo:built-in";

struct AppSetup {
    DeviceSource source = DeviceSource::Usb;
    // Connect at start-up over the network or a serial line instead of the first USB device.
    std::optional<StreamAddress> startupStream;
    Timing timing{};
    SettingsStore::Folders folders = SettingsStore::DefaultFolders();
};

class AppContext {
public:
    explicit AppContext(AppSetup setup);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const Timing& timing() const { return timing_; }
    TuningSession& session() { return session_; }
    ConnectionController& controller() { return *controller_; }
    DeviceEnumerator& devices() { return *devices_; }
    NoticePoster& poster() { return poster_; }
    SettingsStore& settings() { return settings_; }
    Language& language() { return language_; }
    MessagePresenter& messages() { return *messages_; }
    void SetMessagePresenter(std::unique_ptr<MessagePresenter> presenter);
    FileChooser& fileChooser() { return *fileChooser_; }
    void SetFileChooser(std::unique_ptr<FileChooser> chooser);

    const std::optional<StreamAddress>& startupStream() const { return startupStream_; }

    // The simulated devices of the demonstration; null for USB.
    sim::SimDeviceEnumerator* demoDevices() { return demoDevices_; }
    // Links to the built-in simulated processor, so a user without hardware can try
    // everything. It is made on first use and keeps its memory while the program runs.
    LinkMaker BuiltInDemoLinks();
    // The sound devices a measurement uses: the virtual car of the simulated processor the
    // connection reaches, otherwise the computer's sound cards.
    std::unique_ptr<audio::AudioSystem> MakeAudio();

    // Set while a firmware update or a factory reset is being started or runs: the window
    // will not close and panels stay open.
    bool busy = false;

private:
    const Timing timing_;
    const std::optional<StreamAddress> startupStream_;
    TuningSession session_;
    std::unique_ptr<DeviceEnumerator> devices_;
    sim::SimDeviceEnumerator* demoDevices_ = nullptr;
    std::shared_ptr<sim::SimDeviceEnumerator> builtInDemo_;
    std::unique_ptr<InUseMarkers> inUse_;
    // Declared before the controller: the workers it starts post through it until they stop.
    NoticePoster poster_;
    std::unique_ptr<ConnectionController> controller_;
    SettingsStore settings_;
    Language language_;
    std::unique_ptr<MessagePresenter> messages_;
    std::unique_ptr<FileChooser> fileChooser_;
};

}  // namespace corva::shell
