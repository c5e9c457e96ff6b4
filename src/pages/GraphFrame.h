// Where the plot sits inside the response graph widget: the fixed left and top margins of the
// plot geometry, plus room on the right and below for the last frequency label.
#pragma once

#include <algorithm>

#include <QRect>
#include <QSize>

#include "dsp/response/PlotGeometry.h"

namespace corva::pages {

inline constexpr int kPlotRightMargin = 16;
inline constexpr int kPlotBottomMargin = 20;  // the frequency labels

// The plot area (20 Hz..20 kHz by +20..-20 dB) of a widget of the given size.
inline PlotSize PlotSizeFor(QSize widgetSize) {
    return {std::max(widgetSize.width() - kPlotLeftMargin - kPlotRightMargin, 0),
            std::max(widgetSize.height() - kPlotTopMargin - kPlotBottomMargin, 0)};
}

inline QRect PlotRect(PlotSize plot) {
    return {kPlotLeftMargin, kPlotTopMargin, plot.width, plot.height};
}

}  // namespace corva::pages
