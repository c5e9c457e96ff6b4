// What a press on the response graph grabs: a band's point (every band that shapes the sound
// has one), the selected band's bandwidth handles, a crossover marker, or nothing; and which
// band a click elsewhere selects.
#pragma once

#include <vector>

#include "dsp/response/PlotGeometry.h"
#include "model/TuningSnapshot.h"

namespace corva::pages {

// `CrossoverPair`: the high-pass and the low-pass sit on one spot; the drag's direction
// decides which one moves (left the high-pass, right the low-pass).
enum class DragTarget { None, BandPoint, LowerHandle, UpperHandle, HighPass, LowPass, CrossoverPair };

struct GraphGrab {
    DragTarget target = DragTarget::None;
    int band = -1;  // the band of a point or a handle
    bool operator==(const GraphGrab&) const = default;
};

// How far from a marker, in pixels, a press still takes it.
inline constexpr int kGrabRadiusPx = 8;

// The shape the band's curve and markers are drawn from.
FilterShape BandShape(const BandView& band);
FilterShape CrossoverShape(const CrossoverView& filter, FilterType type);

// Whether the band has a point on the graph: it shapes the sound, or it is the selected one.
bool BandShownOnGraph(const BandView& band, int bandIndex, int selectedBand);

// Every marker within reach of `pointer`, nearest first by distance on the plot; markers on
// one spot come in a fixed order (band points by number, then handles, then crossovers), so
// repeated presses there can step through them.
std::vector<GraphGrab> GrabsAt(const OutputView& channel, int selectedBand, PlotPoint pointer,
                               PlotSize plot);

// The band whose point is nearest to x (the lowest band number on a tie).
int NearestBand(const OutputView& channel, int x, PlotSize plot);

}  // namespace corva::pages
