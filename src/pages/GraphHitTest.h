// What a press on the response graph grabs: the selected band's point or bandwidth handles, a
// crossover marker, or nothing; and which band a click elsewhere selects.
#pragma once

#include "dsp/response/PlotGeometry.h"
#include "model/TuningSnapshot.h"

namespace corva::pages {

enum class DragTarget { None, BandPoint, LowerHandle, UpperHandle, HighPass, LowPass };

// How far from a marker, in pixels each way, a press still takes it.
inline constexpr int kGrabRadiusPx = 8;

// The shape the band's curve and markers are drawn from.
FilterShape BandShape(const BandView& band);
FilterShape CrossoverShape(const CrossoverView& filter, FilterType type);

// The marker under `pointer`, nearest first; on equal distance the band point wins over its
// handles and the handles over the crossovers.
DragTarget PickDragTarget(const OutputView& channel, int selectedBand, PlotPoint pointer,
                          PlotSize plot);

// The band whose point is nearest to x (the lowest band number on a tie).
int NearestBand(const OutputView& channel, int x, PlotSize plot);

}  // namespace corva::pages
