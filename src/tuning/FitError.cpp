#include "tuning/FitError.h"

#include <algorithm>
#include <cmath>

namespace corva::tuning {

GridSpan GridSpanOf(double lowHz, double highHz) {
    const auto& grid = GridFrequencies();
    GridSpan span{kGridPoints, -1};
    for (int i = 0; i < kGridPoints; ++i) {
        const double hz = grid[static_cast<std::size_t>(i)];
        if (hz >= lowHz && hz <= highHz) {
            span.first = std::min(span.first, i);
            span.last = std::max(span.last, i);
        }
    }
    if (span.last < span.first) {
        // A range narrower than one grid step: its nearest grid point.
        span.first = span.last = NearestGridIndex(std::sqrt(lowHz * highHz));
    }
    return span;
}

FitErrors ErrorsOver(const Response& response, const Response& target, GridSpan span) {
    double mean = 0.0;
    for (int i = span.first; i <= span.last; ++i) {
        mean += response[static_cast<std::size_t>(i)] - target[static_cast<std::size_t>(i)];
    }
    mean /= span.count();
    FitErrors errors;
    double squares = 0.0;
    for (int i = span.first; i <= span.last; ++i) {
        const double e =
            response[static_cast<std::size_t>(i)] - target[static_cast<std::size_t>(i)] - mean;
        squares += e * e;
        errors.largestDb = std::max(errors.largestDb, std::abs(e));
    }
    errors.rmsDb = std::sqrt(squares / span.count());
    return errors;
}

}  // namespace corva::tuning
