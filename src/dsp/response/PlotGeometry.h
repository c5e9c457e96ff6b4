// Mapping between response values and the pixels of the EQ graph, and the rules that turn a
// drag on the graph into new filter values. Pure functions of the plot size, so the GUI and
// tests share them.
#pragma once

#include "dsp/response/FilterResponse.h"

namespace corva {

inline constexpr int kPlotLeftMargin = 40;
inline constexpr int kPlotTopMargin = 10;

struct PlotSize {
    int width = 0;   // pixels of the plot area (20 Hz .. 20 kHz)
    int height = 0;  // pixels of the plot area (+20 dB .. -20 dB)
};

struct PlotPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PlotPoint&) const = default;
};

int FrequencyToX(double frequencyHz, PlotSize plot);
int XToFrequency(int x, PlotSize plot);  // whole Hz, 20..20000
int DbToY(double db, PlotSize plot);
double DbToYExact(double db, PlotSize plot);  // the floating variant, no rounding
int YToDb(int y, PlotSize plot);              // whole dB, rounded half away from zero

// Screen points of a response curve, one per grid frequency.
void ResponseToPoints(const Response& response, PlotSize plot, PlotPoint* points);

// Marker positions of a band: its drag point and, for peaking bands, the two bandwidth
// handles at f0 / 2^N and f0 * 2^N (f0 snapped to the grid).
struct BandMarkers {
    PlotPoint point;
    PlotPoint lowerHandle;
    PlotPoint upperHandle;
};
BandMarkers BandMarkerPositions(const FilterShape& shape, PlotSize plot);

// --- Drag rules. The graph limits the pointer (widget coordinates) to the plot and reads the
// values under it; the rules take those values. ---

// The frequency (whole Hz, 20..20000) and gain (whole dB) under a pointer limited to the plot.
struct PlotValue {
    int frequencyHz = 0;
    double gainDb = 0.0;
};
PlotValue PointerValue(PlotPoint pointer, PlotSize plot);

// New frequency and gain of a band point dragged to the pointer's frequency and gain. In GEQ
// mode the frequency keeps `currentHz`. The gain is limited to -20..+20 dB; a low shelf stays
// at or below 2000 Hz and a high shelf at or above it.
struct BandDrag {
    int frequencyHz = 0;
    double gainDb = 0.0;
};
BandDrag DragBandPoint(FilterType type, bool geqMode, int currentHz, int pointerHz,
                       double pointerDb);

enum class BandwidthHandle { Lower, Upper };
// New bandwidth in octaves (0.05..3.0) of a peaking band whose handle is dragged to the
// pointer's frequency.
double DragBandwidth(int centreHz, BandwidthHandle handle, int pointerHz);

// New frequency of a crossover marker dragged to the pointer's frequency: 20..20000, a
// high-pass never above the low-pass and a low-pass never below the high-pass. A pointer left
// of the plot reads 20 Hz, so it pulls a high-pass to 20 Hz whatever the channel's role.
int DragCrossover(FilterType type, int pointerHz, int highPassHz, int lowPassHz);

}  // namespace corva
