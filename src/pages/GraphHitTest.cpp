#include "pages/GraphHitTest.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <tuple>

#include "dsp/values/BandCodes.h"

namespace corva::pages {
namespace {

int SquaredDistance(PlotPoint a, PlotPoint b) {
    const int dx = a.x - b.x;
    const int dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// Markers closer than this share a spot: crossovers there move by the drag's direction.
constexpr int kSameSpotPx = 1;

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

bool BandShownOnGraph(const BandView& band, int bandIndex, int selectedBand) {
    return !band.bypassed || bandIndex == selectedBand;
}

std::vector<GraphGrab> GrabsAt(const OutputView& channel, int selectedBand, PlotPoint pointer,
                               PlotSize plot) {
    struct Candidate {
        int squaredDistance;
        int order;  // the fixed order of markers on one spot
        GraphGrab grab;
    };
    constexpr int kReach = kGrabRadiusPx * kGrabRadiusPx;
    std::vector<Candidate> candidates;
    const auto consider = [&](PlotPoint marker, int order, GraphGrab grab) {
        const int distance = SquaredDistance(marker, pointer);
        if (distance <= kReach) {
            candidates.push_back({distance, order, grab});
        }
    };
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        const BandView& view = channel.bands[static_cast<std::size_t>(band)];
        if (!BandShownOnGraph(view, band, selectedBand)) {
            continue;
        }
        const BandMarkers markers = BandMarkerPositions(BandShape(view), plot);
        consider(markers.point, band, {DragTarget::BandPoint, band});
        if (band == selectedBand && static_cast<FilterType>(view.type) == FilterType::Peaking) {
            consider(markers.lowerHandle, output_block::kBandSlots,
                     {DragTarget::LowerHandle, band});
            consider(markers.upperHandle, output_block::kBandSlots + 1,
                     {DragTarget::UpperHandle, band});
        }
    }
    const PlotPoint highPass =
        BandMarkerPositions(CrossoverShape(channel.highPass, FilterType::HighPass), plot).point;
    const PlotPoint lowPass =
        BandMarkerPositions(CrossoverShape(channel.lowPass, FilterType::LowPass), plot).point;
    if (std::abs(highPass.x - lowPass.x) <= kSameSpotPx && highPass.y == lowPass.y) {
        consider(highPass, output_block::kBandSlots + 2, {DragTarget::CrossoverPair, -1});
    } else {
        consider(highPass, output_block::kBandSlots + 2, {DragTarget::HighPass, -1});
        consider(lowPass, output_block::kBandSlots + 3, {DragTarget::LowPass, -1});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.squaredDistance, a.order) < std::tie(b.squaredDistance, b.order);
    });
    std::vector<GraphGrab> grabs;
    grabs.reserve(candidates.size());
    for (const Candidate& candidate : candidates) {
        grabs.push_back(candidate.grab);
    }
    return grabs;
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
