#include "tuning/OverlayCurves.h"

#include <numeric>

#include "tuning/ProcessorFit.h"

namespace corva::tuning {
namespace {

Response CentredOnZero(const Response& levels) {
    const double mean = std::accumulate(levels.begin(), levels.end(), 0.0) / kGridPoints;
    Response centred = levels;
    for (double& level : centred) {
        level -= mean;
    }
    return centred;
}

}  // namespace

OverlayCurves MakeOverlayCurves(const std::optional<Response>& measurement,
                                const Response& channelResponse,
                                const std::optional<Response>& target) {
    OverlayCurves curves;
    curves.predicted = channelResponse;
    curves.target = target;
    if (measurement) {
        curves.measured = CentredOnZero(*measurement);
        for (std::size_t i = 0; i < curves.predicted.size(); ++i) {
            curves.predicted[i] += (*curves.measured)[i];
        }
        if (target) {
            curves.target = CentredOnZero(*target);
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
