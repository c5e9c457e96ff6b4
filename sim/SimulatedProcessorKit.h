// The simulated processor as the programs hand it to the engine host: simulated USB devices
// with one processor plugged in, its memory file and the virtual car it plays into. Tests reach
// the devices themselves (plug, unplug, the processor's memory) through Of().
#pragma once

#include <memory>
#include <string>

#include "host/SimulatedProcessors.h"
#include "sim/InProcessLink.h"

namespace corva::sim {

class SimulatedProcessorKit : public host::SimulatedProcessors {
public:
    explicit SimulatedProcessorKit(std::string path);

    // The factory each program's entry point hands to the host.
    static host::SimulatedProcessorFactory Factory();
    // The simulated devices behind what Factory() made.
    static SimDeviceEnumerator& Of(host::SimulatedProcessors& made);

    DeviceEnumerator& devices() override { return devices_; }
    Status LoadState(const std::string& file) override;
    Status SaveState(const std::string& file) override;
    std::unique_ptr<audio::AudioSystem> MakeAudio() override;

    SimDeviceEnumerator& enumerator() { return devices_; }

private:
    std::string path_;
    SimDeviceEnumerator devices_;
    // The processor plugged in at the start, kept when a test unplugs it.
    std::shared_ptr<SimulatedProcessor> processor_;
};

}  // namespace corva::sim
