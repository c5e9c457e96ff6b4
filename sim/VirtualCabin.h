// The inside of a car as a microphone at the driver's seat hears each speaker: the direct
// sound after its distance, a few reflections, the cabin's low-frequency modes, and noise.
#pragma once

#include <array>
#include <complex>
#include <cstdint>
#include <vector>

#include "protocol/ImageLayout.h"

namespace corva::sim {

inline constexpr double kSpeedOfSoundMPerS = 343.0;

struct Reflection {
    double extraPathM = 1.0;  // longer than the direct path by this much
    double gain = 0.3;        // relative to the direct sound
};

struct CabinSpeaker {
    double distanceM = 1.0;
    std::vector<Reflection> reflections;
    double modeWeight = 1.0;  // how strongly this speaker excites the cabin's modes
};

// A resonance of the cabin: a peak (or dip) of `gainDb` at `frequencyHz` with quality `q`.
struct CabinMode {
    double frequencyHz = 50.0;
    double q = 4.0;
    double gainDb = 6.0;
};

struct VirtualCabin {
    std::array<CabinSpeaker, kOutputChannelCount> speakers{};
    std::vector<CabinMode> modes;
    double microphoneGain = 0.3;  // a speaker at 1 m reaches the input 10.5 dB below its level
    double noiseRms = 1e-4;       // at the microphone, full scale 1
    std::uint64_t noiseSeed = 1;  // the same seed gives the same noise
    int latencySamples = 256;     // of the sound card's path, before everything else

    // The transfer of the cabin from speaker `channel` to the microphone (without latency).
    std::complex<double> At(int channel, double frequencyHz) const;
};

// A hatchback measured at the driver's seat: front doors, rear doors, a sub in the boot and a
// centre on the dashboard; modes at 42, 88 and 150 Hz.
VirtualCabin TypicalCabin();

}  // namespace corva::sim
