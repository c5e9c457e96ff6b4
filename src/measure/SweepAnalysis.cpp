#include "measure/SweepAnalysis.h"

namespace corva::measure {

SweepResult AnalyseSweep(const SweepDeconvolver& deconvolver, const std::vector<double>& recording,
                         int smoothingFraction, const ResponseWindow& window) {
    SweepResult result;
    result.impulse = deconvolver.Deconvolve(recording);
    const std::optional<double> onset = ArrivalSamples(result.impulse);
    if (!onset) {
        result.levelsDb.fill(GridLevels({{0.0}, 1.0}, 0)[0]);
        return result;
    }
    result.arrivalMs = *onset * 1000.0 / result.impulse.sampleRateHz;
    result.levelsDb =
        GridLevels(WindowedSpectrum(result.impulse, *onset, window), smoothingFraction);
    return result;
}

}  // namespace corva::measure
