// How far a response is from a target over a frequency range, with the target moved to the
// response's own mean level there (a measurement's absolute level means nothing to a fit).
#pragma once

#include "dsp/response/ResponseGrid.h"

namespace corva::tuning {

struct FitErrors {
    double rmsDb = 0.0;
    double largestDb = 0.0;
};

// The grid points whose frequency lies within lowHz..highHz.
struct GridSpan {
    int first = 0;
    int last = kGridPoints - 1;
    int count() const { return last - first + 1; }
};
GridSpan GridSpanOf(double lowHz, double highHz);

FitErrors ErrorsOver(const Response& response, const Response& target, GridSpan span);

}  // namespace corva::tuning
