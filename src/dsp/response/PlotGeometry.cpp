#include "dsp/response/PlotGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/FrequencyRange.h"

namespace corva {
namespace {

constexpr int kShelfSplitHz = 2000;  // low shelves stay at or below it, high shelves above
constexpr double kGainLimitDb = 20.0;
constexpr double kMinBandwidthOctaves = 0.05;
constexpr double kMaxBandwidthOctaves = 3.0;

// Truncation toward zero that saturates instead of overflowing, so that extreme or
// non-finite values (a log of 0, a deep stop band on a tall plot) stay defined.
int TruncateToInt(double value) {
    constexpr double kLimit = 1e9;
    if (!(value > -kLimit)) {
        return static_cast<int>(-kLimit);  // also NaN
    }
    if (value > kLimit) {
        return static_cast<int>(kLimit);
    }
    return static_cast<int>(value);
}

// Pixels per decade: the three decades 20 Hz .. 20 kHz share the width, integer-divided.
int DecadeWidth(PlotSize plot) {
    return std::max(plot.width, 0) / 3;
}

double PixelsPerDb(PlotSize plot) {
    return std::max(plot.height, 0) / 40.0;
}

// The pointer in widget coordinates, limited to the plot rectangle. The mapping functions take
// widget coordinates and remove the margins themselves, so limiting the plot-relative position
// (x - 40, y - 10) to 0..w, 0..h is the same as this.
PlotPoint LimitToPlot(PlotPoint pointer, PlotSize plot) {
    return {std::clamp(pointer.x, kPlotLeftMargin, kPlotLeftMargin + std::max(plot.width, 0)),
            std::clamp(pointer.y, kPlotTopMargin, kPlotTopMargin + std::max(plot.height, 0))};
}

double SnappedCentreHz(double frequencyHz) {
    return GridFrequencies()[static_cast<std::size_t>(NearestGridIndex(frequencyHz))];
}

}  // namespace

int FrequencyToX(double frequencyHz, PlotSize plot) {
    return TruncateToInt(std::log10(frequencyHz / 20.0) * DecadeWidth(plot)) + kPlotLeftMargin;
}

int XToFrequency(int x, PlotSize plot) {
    const int decade = DecadeWidth(plot);
    if (decade == 0) {
        return kLowestFrequencyHz;  // no frequency axis on a plot narrower than three pixels
    }
    const double hz = 20.0 * std::pow(10.0, static_cast<double>(x - kPlotLeftMargin) / decade);
    return static_cast<int>(
        std::clamp(hz, double{kLowestFrequencyHz}, double{kHighestFrequencyHz}));
}

int DbToY(double db, PlotSize plot) {
    return TruncateToInt(PixelsPerDb(plot) * (20.0 - db) + 0.5) + kPlotTopMargin;
}

double DbToYExact(double db, PlotSize plot) {
    return PixelsPerDb(plot) * (20.0 - db) + kPlotTopMargin;
}

int YToDb(int y, PlotSize plot) {
    if (plot.height <= 0) {
        return 0;  // a plot without height has only its 0 dB line
    }
    return TruncateToInt(std::round(20.0 - 40.0 * (y - kPlotTopMargin) / plot.height));
}

void ResponseToPoints(const Response& response, PlotSize plot, PlotPoint* points) {
    const auto& f = GridFrequencies();
    for (std::size_t i = 0; i < response.size(); ++i) {
        points[i] = {FrequencyToX(f[i], plot), DbToY(response[i], plot)};
    }
}

// The point of a band sits at its frequency and shown gain (0 dB while bypassed); crossover
// points sit on the 0 dB line. The bandwidth handles of a peaking band mark its band edges,
// where the curve is at about half the gain in dB; other filters have none and report their
// point instead.
BandMarkers BandMarkerPositions(const FilterShape& shape, PlotSize plot) {
    const bool crossover = shape.type == FilterType::HighPass || shape.type == FilterType::LowPass;
    const double shownGainDb = (crossover || shape.bypassed) ? 0.0 : shape.gainDb;
    if (shape.type != FilterType::Peaking) {
        const PlotPoint point{FrequencyToX(shape.frequencyHz, plot), DbToY(shownGainDb, plot)};
        return {point, point, point};
    }
    const double f0 = SnappedCentreHz(shape.frequencyHz);
    const double spread = std::pow(2.0, shape.bandwidthOctaves);
    const int edgeY = DbToY(shownGainDb / 2.0, plot);
    return {{FrequencyToX(f0, plot), DbToY(shownGainDb, plot)},
            {FrequencyToX(f0 / spread, plot), edgeY},
            {FrequencyToX(f0 * spread, plot), edgeY}};
}

PlotValue PointerValue(PlotPoint pointer, PlotSize plot) {
    const PlotPoint p = LimitToPlot(pointer, plot);
    return {XToFrequency(p.x, plot), static_cast<double>(YToDb(p.y, plot))};
}

BandDrag DragBandPoint(FilterType type, bool geqMode, int currentHz, int pointerHz,
                       double pointerDb) {
    BandDrag drag;
    drag.frequencyHz = geqMode ? currentHz : pointerHz;
    drag.gainDb = std::clamp(pointerDb, -kGainLimitDb, kGainLimitDb);
    if (type == FilterType::LowShelf) {
        drag.frequencyHz = std::min(drag.frequencyHz, kShelfSplitHz);
    } else if (type == FilterType::HighShelf) {
        drag.frequencyHz = std::max(drag.frequencyHz, kShelfSplitHz);
    }
    return drag;
}

// The handles are drawn around the grid-snapped centre, so the bandwidth is measured from the
// same centre: the handle then stays under the pointer.
double DragBandwidth(int centreHz, BandwidthHandle handle, int pointerHz) {
    const double f0 = SnappedCentreHz(centreHz);
    const double fx = pointerHz;
    const double octaves =
        handle == BandwidthHandle::Lower ? std::log2(f0 / fx) : std::log2(fx / f0);
    return std::clamp(octaves, kMinBandwidthOctaves, kMaxBandwidthOctaves);
}

int DragCrossover(FilterType type, int pointerHz, int highPassHz, int lowPassHz) {
    int hz = pointerHz;
    if (type == FilterType::HighPass) {
        hz = std::min(hz, lowPassHz);
    } else if (type == FilterType::LowPass) {
        hz = std::max(hz, highPassHz);
    }
    return std::clamp(hz, kLowestFrequencyHz, kHighestFrequencyHz);
}

}  // namespace corva
