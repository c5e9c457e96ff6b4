#include "sim/SimulatedProcessorKit.h"

#include "sim/VirtualCarAudio.h"

namespace corva::sim {

SimulatedProcessorKit::SimulatedProcessorKit(std::string path)
    : path_{std::move(path)}, processor_{devices_.Plug(path_)} {}

host::SimulatedProcessorFactory SimulatedProcessorKit::Factory() {
    return [](const std::string& path) { return std::make_shared<SimulatedProcessorKit>(path); };
}

SimDeviceEnumerator& SimulatedProcessorKit::Of(host::SimulatedProcessors& made) {
    return static_cast<SimulatedProcessorKit&>(made).devices_;
}

Status SimulatedProcessorKit::LoadState(const std::string& file) {
    return processor_->LoadState(file);
}

Status SimulatedProcessorKit::SaveState(const std::string& file) {
    return processor_->SaveState(file);
}

std::unique_ptr<audio::AudioSystem> SimulatedProcessorKit::MakeAudio() {
    return std::make_unique<VirtualCarAudio>(processor_);
}

}  // namespace corva::sim
