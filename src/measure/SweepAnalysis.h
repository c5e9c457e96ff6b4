// One recorded sweep analysed: its impulse response, the arrival time of the direct sound and
// the frequency response on the grid.
#pragma once

#include <optional>

#include "measure/ImpulseAnalysis.h"
#include "measure/SweepDeconvolver.h"

namespace corva::measure {

struct SweepResult {
    ImpulseResponse impulse;
    std::optional<double> arrivalMs;  // nothing when the recording holds no response
    Response levelsDb{};              // relative to full scale: 0 dB = output level at the input
};

// `smoothingFraction` as GridLevels takes it (0: none, 6: 1/6 octave).
SweepResult AnalyseSweep(const SweepDeconvolver& deconvolver, const std::vector<double>& recording,
                         int smoothingFraction, const ResponseWindow& window = {});

}  // namespace corva::measure
