// Everything that lives as long as the window: the engine host (session, devices, connection
// controller), the settings store, the language, where messages appear and the busy flag.
// Created once by the application and passed by reference.
#pragma once

#include <memory>
#include <optional>

#include "host/EngineHost.h"
#include "shell/app/Language.h"
#include "shell/app/MessagePresenter.h"
#include "shell/app/NoticePoster.h"
#include "shell/app/SettingsStore.h"
#include "shell/panels/FileChooser.h"

namespace corva::shell {

using host::DeviceSource;

// The path of the simulated processor plugged in for the demonstration.
inline constexpr const char* kDemoDevicePath = "demo:processor-1";
// The built-in simulated processor that the connection chooser offers as "Demo processor".
inline constexpr const char* kBuiltInDemoPath = host::kBuiltInSimulatedPath;

struct AppSetup {
    DeviceSource source = DeviceSource::Usb;
    // Connect at start-up over the network or a serial line instead of the first USB device.
    std::optional<StreamAddress> startupStream;
    Timing timing{};
    SettingsStore::Folders folders = SettingsStore::DefaultFolders();
    // Makes the simulated processor of the demonstration; handed over by the entry point.
    host::SimulatedProcessorFactory simulator;
};

class AppContext {
public:
    explicit AppContext(AppSetup setup);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    host::EngineHost& host() { return *host_; }
    const Timing& timing() const { return host_->timing(); }
    TuningSession& session() { return host_->session(); }
    ConnectionController& controller() { return host_->controller(); }
    DeviceEnumerator& devices() { return host_->devices(); }
    NoticePoster& poster() { return poster_; }
    SettingsStore& settings() { return settings_; }
    Language& language() { return language_; }
    MessagePresenter& messages() { return *messages_; }
    void SetMessagePresenter(std::unique_ptr<MessagePresenter> presenter);
    FileChooser& fileChooser() { return *fileChooser_; }
    void SetFileChooser(std::unique_ptr<FileChooser> chooser);

    const std::optional<StreamAddress>& startupStream() const { return startupStream_; }

    // The simulated processor of the demonstration; null for USB.
    host::SimulatedProcessors* demoDevices() { return host_->simulated(); }
    // Links to the built-in simulated processor, so a user without hardware can try
    // everything. It is made on first use and keeps its memory while the program runs.
    LinkMaker BuiltInDemoLinks() { return host_->BuiltInSimulatedLinks(); }

    // Set while a firmware update or a factory reset is being started or runs: the window
    // will not close and panels stay open.
    bool busy = false;

private:
    const std::optional<StreamAddress> startupStream_;
    // Declared before the host: the workers it starts post through it until they stop.
    NoticePoster poster_;
    std::unique_ptr<host::EngineHost> host_;
    SettingsStore settings_;
    Language language_;
    std::unique_ptr<MessagePresenter> messages_;
    std::unique_ptr<FileChooser> fileChooser_;
};

}  // namespace corva::shell
