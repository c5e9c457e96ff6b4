#include "sim/VirtualCabin.h"

#include <cmath>
#include <numbers>

namespace corva::sim {

std::complex<double> VirtualCabin::At(int channel, double frequencyHz) const {
    const CabinSpeaker& speaker = speakers.at(static_cast<std::size_t>(channel));
    const double omega = 2.0 * std::numbers::pi * frequencyHz;
    // Direct sound falls with distance (at 1 m the microphone's gain); reflections come later.
    std::complex<double> h = std::polar(microphoneGain / speaker.distanceM,
                                        -omega * speaker.distanceM / kSpeedOfSoundMPerS);
    for (const Reflection& r : speaker.reflections) {
        const double pathM = speaker.distanceM + r.extraPathM;
        h += std::polar(microphoneGain * r.gain / speaker.distanceM,
                        -omega * pathM / kSpeedOfSoundMPerS);
    }
    // Each mode as an analog peaking resonance: 1 far from it, its gain at its centre.
    for (const CabinMode& mode : modes) {
        const double g = std::pow(10.0, speaker.modeWeight * mode.gainDb / 20.0);
        const double x = frequencyHz / mode.frequencyHz;
        const std::complex<double> band{0.0, x / mode.q};
        const std::complex<double> denominator = 1.0 - x * x + band;
        h *= (denominator + (g - 1.0) * band) / denominator;
    }
    return h;
}

VirtualCabin TypicalCabin() {
    VirtualCabin cabin;
    const std::array<double, kOutputChannelCount> distancesM{1.05, 1.42, 1.63, 1.81, 1.97, 0.88};
    const std::array<double, kOutputChannelCount> weights{1.0, 0.9, 0.7, 0.7, 1.2, 0.5};
    for (std::size_t c = 0; c < distancesM.size(); ++c) {
        CabinSpeaker& speaker = cabin.speakers[c];
        speaker.distanceM = distancesM[c];
        speaker.modeWeight = weights[c];
        speaker.reflections = {{0.55 + 0.07 * static_cast<double>(c), 0.35},
                               {1.30 + 0.11 * static_cast<double>(c), 0.2}};
    }
    cabin.modes = {{42.0, 4.0, 7.0}, {88.0, 5.0, -5.0}, {150.0, 4.0, 4.0}};
    return cabin;
}

}  // namespace corva::sim
