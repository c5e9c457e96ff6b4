// The sound card of the demo and the tests: what it plays goes into the simulated processor's
// input and through the virtual car; what it records is the virtual microphone. No real time
// passes.
#pragma once

#include <memory>
#include <mutex>

#include "audio/AudioSystem.h"
#include "sim/SimulatedProcessor.h"
#include "sim/VirtualCar.h"

namespace corva::sim {

inline constexpr const char* kVirtualOutputName = "Virtual car: processor input";
inline constexpr const char* kVirtualInputName = "Virtual car: microphone";

class VirtualCarAudio : public audio::AudioSystem {
public:
    VirtualCarAudio(std::shared_ptr<SimulatedProcessor> processor,
                    VirtualCabin cabin = TypicalCabin());

    std::vector<audio::AudioDeviceInfo> Devices() override;
    audio::DuplexResult PlayAndRecord(const audio::DuplexRequest& request) override;

    VirtualCar& car() { return car_; }

private:
    std::shared_ptr<SimulatedProcessor> processor_;
    std::mutex mutex_;
    VirtualCar car_;
};

}  // namespace corva::sim
