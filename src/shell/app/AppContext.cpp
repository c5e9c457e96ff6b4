#include "shell/app/AppContext.h"

namespace corva::shell {

AppContext::AppContext(AppSetup setup)
    : startupStream_{std::move(setup.startupStream)},
      settings_{std::move(setup.folders)},
      messages_{std::make_unique<DialogPresenter>()},
      fileChooser_{std::make_unique<NativeFileChooser>()} {
    host::HostSetup hostSetup;
    hostSetup.source = setup.source;
    hostSetup.simulatedPath = kDemoDevicePath;
    hostSetup.timing = setup.timing;
    hostSetup.simulator = std::move(setup.simulator);
    hostSetup.deliver = poster_.DelivererForHost();
    host_ = std::make_unique<host::EngineHost>(std::move(hostSetup));
    session().SetEventSink(poster_.SessionEventSinkForEngine());
}

AppContext::~AppContext() {
    host_->Shutdown();  // stops the worker while everything it uses still exists
}

void AppContext::SetMessagePresenter(std::unique_ptr<MessagePresenter> presenter) {
    messages_ = std::move(presenter);
}

void AppContext::SetFileChooser(std::unique_ptr<FileChooser> chooser) {
    fileChooser_ = std::move(chooser);
}

}  // namespace corva::shell
