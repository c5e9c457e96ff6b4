// Sound in and out for measuring: the devices there are, and one duplex run that plays a
// signal and records the microphone on the same clock. PortAudio implements it for real
// sound cards; the simulated processor's virtual car implements it for tests and the demo.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/Status.h"

namespace corva::audio {

struct AudioDeviceInfo {
    std::string name;
    int inputChannels = 0;
    int outputChannels = 0;
    double defaultRateHz = 48000.0;
    bool defaultInput = false;
    bool defaultOutput = false;
};

struct DuplexRequest {
    std::string inputName;   // empty: the system's default input
    std::string outputName;  // empty: the system's default output
    int sampleRateHz = 48000;
    std::vector<double> play;  // mono, -1..1; played on every output channel
    int recordSamples = 0;  // recorded from the input's first channel, from the first sample played
    // While the run records, about ten times a second on the calling thread: the peak level
    // (dBFS) of what came in since the last call, for a live input meter. May be empty.
    std::function<void(double peakDbfs)> inputPeak;
};

struct DuplexResult {
    Status status = Status::Ok();
    std::vector<double> recorded;
};

class AudioSystem {
public:
    virtual ~AudioSystem() = default;
    virtual std::vector<AudioDeviceInfo> Devices() = 0;
    // Blocks until the whole recording is in (or fails); a real device takes real time.
    virtual DuplexResult PlayAndRecord(const DuplexRequest& request) = 0;
    // The rate a run between these devices uses: 48 kHz where both take it, otherwise the
    // input's own rate when both take that.
    virtual int RateFor(const std::string& inputName, const std::string& outputName) {
        (void)inputName;
        (void)outputName;
        return kPreferredRateHz;
    }

    static constexpr int kPreferredRateHz = 48000;
};

}  // namespace corva::audio
