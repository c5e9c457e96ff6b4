// What the graph draws over a channel that has a measurement or a filter file: the measured
// level, the target and the predicted result. A measurement's absolute level means nothing on
// a graph of gains, so the measured curve is centred on 0 dB over the whole grid, the
// prediction is the measurement plus the channel's response and the target is put at the
// prediction's mean level (a fit compares shapes, not levels).
// Without a measurement the target is drawn as it is (a filter file's own curve) and the
// prediction is the channel's response.
#pragma once

#include <optional>

#include "dsp/response/ResponseGrid.h"
#include "model/TuningSnapshot.h"

namespace corva::tuning {

struct OverlayCurves {
    std::optional<Response> measured;
    Response predicted{};
    std::optional<Response> target;
};

OverlayCurves MakeOverlayCurves(const std::optional<Response>& measurement,
                                const Response& channelResponse,
                                const std::optional<Response>& target);

// What a channel adds besides its bands: its high-pass and low-pass.
Response CrossoverPart(const OutputView& channel);

}  // namespace corva::tuning
