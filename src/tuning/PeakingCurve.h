// The processor's peaking band evaluated at any centre frequency, not only at grid points, and
// without building sections: the inner loop of the auto-EQ fit. At a grid frequency it gives
// the same curve as the band's own response computation.
#pragma once

#include "dsp/response/ResponseGrid.h"

namespace corva::tuning {

class PeakingCurve {
public:
    PeakingCurve();
    // dB at every grid point of a band centred on `centreHz` (any value), `octaves` from the
    // centre to each band edge, `gainDb`.
    void Evaluate(double centreHz, double octaves, double gainDb, Response& out) const;

private:
    Response cosW_{};
    Response sinW_{};
};

}  // namespace corva::tuning
