#include "pages/GraphHitTest.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "dsp/values/BandCodes.h"

namespace corva::pages {
namespace {

// Chebyshev distance: a square grab area matches the square handles drawn.
int Distance(PlotPoint a, PlotPoint b) {
    return std::max(std::abs(a.x - b.x), std::abs(a.y - b.y));
}

}  // namespace

FilterShape BandShape(const BandView& band) {
    FilterShape shape;
    shape.type = static_cast<FilterType>(band.type);
    shape.frequencyHz = band.frequencyHz;
    shape.gainDb = band.gainDb;
    shape.bandwidthOctaves = BandwidthOctaves(band.bandwidthIndex);
    shape.slope = band.slope;
    shape.bypassed = band.bypassed;
    return shape;
}

FilterShape CrossoverShape(const CrossoverView& filter, FilterType type) {
    FilterShape shape;
    shape.type = type;
    shape.frequencyHz = filter.frequencyHz;
    shape.crossoverKind = filter.kind;
    shape.slope = filter.slope;
    return shape;
}

DragTarget PickDragTarget(const OutputView& channel, int selectedBand, PlotPoint pointer,
                          PlotSize plot) {
    std::pair<int, DragTarget> best{kGrabRadiusPx + 1, DragTarget::None};
    const auto consider = [&](PlotPoint marker, DragTarget target) {
        const int distance = Distance(marker, pointer);
        if (distance < best.first) {
            best = {distance, target};
        }
    };
    if (selectedBand >= 0 && selectedBand < output_block::kBandSlots) {
        const BandView& band = channel.bands[static_cast<std::size_t>(selectedBand)];
        const BandMarkers markers = BandMarkerPositions(BandShape(band), plot);
        consider(markers.point, DragTarget::BandPoint);
        if (static_cast<FilterType>(band.type) == FilterType::Peaking) {
            consider(markers.lowerHandle, DragTarget::LowerHandle);
            consider(markers.upperHandle, DragTarget::UpperHandle);
        }
    }
    consider(
        BandMarkerPositions(CrossoverShape(channel.highPass, FilterType::HighPass), plot).point,
        DragTarget::HighPass);
    consider(BandMarkerPositions(CrossoverShape(channel.lowPass, FilterType::LowPass), plot).point,
             DragTarget::LowPass);
    return best.second;
}

int NearestBand(const OutputView& channel, int x, PlotSize plot) {
    int nearest = 0;
    int nearestDistance = std::numeric_limits<int>::max();
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        const BandMarkers markers =
            BandMarkerPositions(BandShape(channel.bands[static_cast<std::size_t>(band)]), plot);
        const int distance = std::abs(markers.point.x - x);
        if (distance < nearestDistance) {
            nearest = band;
            nearestDistance = distance;
        }
    }
    return nearest;
}

}  // namespace corva::pages
