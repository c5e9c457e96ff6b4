// A real-time analyser for measuring without a wire: the magnitude response from a recording
// made while the pink noise plays, by averaged FFTs (Hann windows, half overlapping) compared
// with the same analysis of the noise itself, in 1/6 or 1/12 octave. No arrival times.
#pragma once

#include <vector>

#include "dsp/response/ResponseGrid.h"

namespace corva::measure {

// `recording` at 48 kHz, at least two noise periods long; `fraction` 6 or 12. dB relative to
// the noise as written.
Response NoiseResponse(const std::vector<double>& recording, int fraction,
                       const std::vector<double>& noisePeriod);

}  // namespace corva::measure
