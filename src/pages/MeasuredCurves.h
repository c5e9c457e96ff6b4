// Curves measured with the microphone drawn over the graph of every channel: each in its
// channel's colour, dashed, with the spread of the microphone positions as a faint band around
// it; a check measured after an apply is drawn dotted. A measurement's absolute level means
// nothing on a graph of gains, so all of them move by one offset that centres their mean on
// 0 dB and keeps the channels' levels against each other.
#pragma once

#include <optional>
#include <vector>

#include "dsp/response/PlotGeometry.h"

class QPainter;

namespace corva::pages {

enum class MeasuredKind { Measured, Verification };

struct MeasuredCurve {
    int channel = 0;
    Response levelsDb{};
    std::optional<Response> spreadDb;  // highest minus lowest position, around the level
    MeasuredKind kind = MeasuredKind::Measured;
};

void PaintMeasuredCurves(QPainter& painter, const std::vector<MeasuredCurve>& curves,
                         PlotSize plot);

}  // namespace corva::pages
