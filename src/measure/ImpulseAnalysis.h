// What an impulse response tells: when the direct sound arrives (to a fraction of a sample)
// and the frequency response on the 241-point grid, optionally smoothed to 1/N octave.
#pragma once

#include <optional>
#include <vector>

#include "dsp/response/ResponseGrid.h"
#include "measure/SweepDeconvolver.h"

namespace corva::measure {

// The onset of the direct sound: the first rise, before the strongest peak, through a quarter
// of that peak (linear between samples). In samples from the start of the response; nothing
// when the response is silent.
std::optional<double> ArrivalSamples(const ImpulseResponse& response);

// The power at each bin of a spectrum, bins `binHz` apart from 0 Hz.
struct PowerSpectrum {
    std::vector<double> power;
    double binHz = 1.0;
};

struct ResponseWindow {
    double beforeOnsetMs = 5.0;  // faded in over this time before the onset
    double lengthMs = 500.0;     // after the onset; the last fifth fades out
};

// The windowed response from its onset, zero-padded for a fine frequency resolution.
PowerSpectrum WindowedSpectrum(const ImpulseResponse& response, double onsetSamples,
                               const ResponseWindow& window = {});

// dB at every grid frequency: with `fraction` N > 0 the power mean over the 1/N octave around
// it, with 0 over the 1/48 octave (the grid's own spacing); the nearest bin where no bin lies
// that close.
Response GridLevels(const PowerSpectrum& spectrum, int fraction);

}  // namespace corva::measure
