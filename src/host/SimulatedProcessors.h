// The simulated processor as the host reaches it. The host knows it only through this
// interface; each program's entry point hands over a factory that makes the real one, so the
// demonstration is available in every build while the front ends depend on none of it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "audio/AudioSystem.h"
#include "core/Status.h"
#include "protocol/DeviceEnumerator.h"

namespace corva::host {

// Simulated USB devices with one processor plugged in at the path they were made for.
class SimulatedProcessors {
public:
    virtual ~SimulatedProcessors() = default;
    virtual DeviceEnumerator& devices() = 0;
    // The processor's memory from and to a file (its presets, lock and live tuning).
    virtual Status LoadState(const std::string& file) = 0;
    virtual Status SaveState(const std::string& file) = 0;
    // The sound devices that play into the processor and record from its virtual car.
    virtual std::unique_ptr<audio::AudioSystem> MakeAudio() = 0;
};

// Makes simulated devices with one processor plugged in at `path`.
using SimulatedProcessorFactory =
    std::function<std::shared_ptr<SimulatedProcessors>(const std::string& path)>;

}  // namespace corva::host
