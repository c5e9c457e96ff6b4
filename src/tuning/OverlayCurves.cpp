#include "tuning/OverlayCurves.h"

#include <numeric>

#include "tuning/ProcessorFit.h"

namespace corva::tuning {
namespace {

double Mean(const Response& levels) {
    return std::accumulate(levels.begin(), levels.end(), 0.0) / kGridPoints;
}

// The same shape with its mean at `level`.
Response MovedTo(const Response& levels, double level) {
    const double shift = level - Mean(levels);
    Response moved = levels;
    for (double& value : moved) {
        value += shift;
    }
    return moved;
}

}  // namespace

OverlayCurves MakeOverlayCurves(const std::optional<Response>& measurement,
                                const Response& channelResponse,
                                const std::optional<Response>& target) {
    OverlayCurves curves;
    curves.predicted = channelResponse;
    curves.target = target;
    if (measurement) {
        curves.measured = MovedTo(*measurement, 0.0);
        for (std::size_t i = 0; i < curves.predicted.size(); ++i) {
            curves.predicted[i] += (*curves.measured)[i];
        }
        // The fit compares shapes: the target is drawn at the prediction's own level.
        if (target) {
            curves.target = MovedTo(*target, Mean(curves.predicted));
        }
    }
    return curves;
}

Response CrossoverPart(const OutputView& channel) {
    const auto setting = [](const CrossoverView& view) {
        return CrossoverSetting{view.frequencyHz, view.kind, view.slope};
    };
    const Response high = CrossoverResponse(FilterType::HighPass, setting(channel.highPass));
    const Response low = CrossoverResponse(FilterType::LowPass, setting(channel.lowPass));
    Response sum{};
    for (std::size_t i = 0; i < sum.size(); ++i) {
        sum[i] = high[i] + low[i];
    }
    return sum;
}

}  // namespace corva::tuning
