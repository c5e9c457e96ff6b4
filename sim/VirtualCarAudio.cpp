#include "sim/VirtualCarAudio.h"

#include "audio/InputLevelCheck.h"

namespace corva::sim {

VirtualCarAudio::VirtualCarAudio(std::shared_ptr<SimulatedProcessor> processor, VirtualCabin cabin)
    : processor_{std::move(processor)}, car_{std::move(cabin)} {}

std::vector<audio::AudioDeviceInfo> VirtualCarAudio::Devices() {
    return {{kVirtualInputName, 1, 0, kVirtualCarRateHz, true, false},
            {kVirtualOutputName, 0, 2, kVirtualCarRateHz, false, true}};
}

audio::DuplexResult VirtualCarAudio::PlayAndRecord(const audio::DuplexRequest& request) {
    const auto matches = [](const std::string& wanted, const char* own) {
        return wanted.empty() || wanted == own;
    };
    if (!matches(request.inputName, kVirtualInputName) ||
        !matches(request.outputName, kVirtualOutputName)) {
        const std::string& name =
            matches(request.inputName, kVirtualInputName) ? request.outputName : request.inputName;
        return {Status::Fail(Tr("Simulator", "No single audio device matches \"%1\".").Arg(name)),
                {}};
    }
    if (request.sampleRateHz != kVirtualCarRateHz) {
        return {Status::Fail(Tr("Simulator", "The virtual car runs at 48000 Hz only.")), {}};
    }
    ParameterImage image;
    processor_->WithMemory([&](ParameterImage& memory) { image = memory; });
    std::lock_guard lock(mutex_);
    audio::DuplexResult result{Status::Ok(), car_.Play(image, request.play, request.recordSamples)};
    // The car answers at once; the meter still hears the recording a tenth of a second at a time.
    const std::size_t step = kVirtualCarRateHz / 10;
    for (std::size_t first = 0; request.inputPeak && first < result.recorded.size();
         first += step) {
        request.inputPeak(audio::PeakDbfs(result.recorded, first, first + step));
    }
    return result;
}

}  // namespace corva::sim
