#include "dsp/response/PlotGeometry.h"

#include <gtest/gtest.h>

#include <array>

namespace corva {
namespace {

// 200 pixels per decade (601 div 3), 10 pixels per dB.
constexpr PlotSize kPlot{601, 400};
constexpr int kZeroDbY = 210;

// The graph's path: the pointer becomes plot values, then the drag rule applies.
BandDrag BandDraggedTo(FilterType type, bool geqMode, int currentHz, PlotPoint pointer,
                       PlotSize plot) {
    const PlotValue value = PointerValue(pointer, plot);
    return DragBandPoint(type, geqMode, currentHz, value.frequencyHz, value.gainDb);
}
double BandwidthDraggedTo(int centreHz, BandwidthHandle handle, int x) {
    return DragBandwidth(centreHz, handle, PointerValue({x, kPlotTopMargin}, kPlot).frequencyHz);
}
int CrossoverDraggedTo(FilterType type, int x, int highPassHz, int lowPassHz) {
    return DragCrossover(type, PointerValue({x, kPlotTopMargin}, kPlot).frequencyHz, highPassHz,
                         lowPassHz);
}

TEST(PlotMappingTest, FrequencyAxis) {
    EXPECT_EQ(FrequencyToX(20.0, kPlot), 40);
    EXPECT_EQ(FrequencyToX(20000.0, kPlot), 640);
    EXPECT_EQ(FrequencyToX(1000.0, kPlot), 379);       // 339.79 truncated
    EXPECT_EQ(FrequencyToX(19.7, kPlot), 39);          // -1.31 truncated toward zero
    EXPECT_EQ(FrequencyToX(2000.0, {602, 400}), 440);  // the width is divided by 3 first
    EXPECT_EQ(XToFrequency(240, kPlot), 200);
    EXPECT_EQ(XToFrequency(379, kPlot), 990);  // 990.9 truncated
    EXPECT_EQ(XToFrequency(0, kPlot), 20);
    EXPECT_EQ(XToFrequency(5000, kPlot), 20000);
}

TEST(PlotMappingTest, LevelAxis) {
    EXPECT_EQ(DbToY(20.0, kPlot), 10);
    EXPECT_EQ(DbToY(-20.0, kPlot), 410);
    EXPECT_EQ(DbToY(0.04, kPlot), 210);  // 200.1
    EXPECT_EQ(DbToY(0.06, kPlot), 209);  // 199.9
    EXPECT_EQ(DbToY(21.0, kPlot), 1);    // -9.5 truncated toward zero
    EXPECT_DOUBLE_EQ(DbToYExact(0.06, kPlot), 209.4);
    const PlotSize plot{300, 80};     // 2 pixels per dB: odd rows fall on half dB
    EXPECT_EQ(YToDb(11, plot), 20);   // 19.5
    EXPECT_EQ(YToDb(49, plot), 1);    // 0.5
    EXPECT_EQ(YToDb(51, plot), -1);   // -0.5
    EXPECT_EQ(YToDb(89, plot), -20);  // -19.5
}

TEST(PlotMappingTest, DegeneratePlotSizesStayDefined) {
    const PlotSize empty{0, 0};
    EXPECT_EQ(XToFrequency(100, empty), 20);
    EXPECT_EQ(YToDb(100, empty), 0);
    EXPECT_EQ(DbToY(-500.0, empty), 10);
    EXPECT_EQ(FrequencyToX(0.0, kPlot), FrequencyToX(-1.0, kPlot));  // saturated, not UB
}

TEST(PlotMappingTest, CurvePointsFollowTheGrid) {
    Response peak;
    ComputeResponse({.gainDb = 10.0, .bandwidthOctaves = 0.5}, peak);
    std::array<PlotPoint, kGridPoints> points{};
    ResponseToPoints(peak, kPlot, points.data());
    EXPECT_EQ(points.front(), (PlotPoint{39, kZeroDbY}));
    EXPECT_EQ(points[136], (PlotPoint{379, 110}));
    EXPECT_EQ(points.back(), (PlotPoint{640, kZeroDbY}));
}

TEST(BandMarkerTest, PeakingHandlesSitAtTheBandEdges) {
    FilterShape band{.frequencyHz = 1010, .gainDb = 6.0, .bandwidthOctaves = 1.0};
    const BandMarkers m = BandMarkerPositions(band, kPlot);
    EXPECT_EQ(m.point, (PlotPoint{FrequencyToX(1000.0, kPlot), DbToY(6.0, kPlot)}));
    EXPECT_EQ(m.lowerHandle, (PlotPoint{FrequencyToX(500.0, kPlot), DbToY(3.0, kPlot)}));
    EXPECT_EQ(m.upperHandle, (PlotPoint{FrequencyToX(2000.0, kPlot), DbToY(3.0, kPlot)}));
    band.bypassed = true;
    EXPECT_EQ(BandMarkerPositions(band, kPlot).point.y, kZeroDbY);

    const FilterShape shelf{.type = FilterType::LowShelf, .frequencyHz = 200, .gainDb = -5.0};
    const BandMarkers s = BandMarkerPositions(shelf, kPlot);
    EXPECT_EQ(s.point, (PlotPoint{240, 260}));
    EXPECT_EQ(s.upperHandle, s.point);
    const FilterShape hp{.type = FilterType::HighPass, .frequencyHz = 2000, .gainDb = 7.0};
    EXPECT_EQ(BandMarkerPositions(hp, kPlot).point, (PlotPoint{440, kZeroDbY}));
}

TEST(BandDragTest, OntoTheZeroLineGivesZeroDb) {
    for (const PlotSize plot : {kPlot, PlotSize{500, 301}, PlotSize{450, 75}, PlotSize{90, 2}}) {
        const PlotPoint pointer{300, DbToY(0.0, plot)};
        EXPECT_EQ(BandDraggedTo(FilterType::Peaking, false, 1000, pointer, plot).gainDb, 0.0)
            << plot.height;
    }
}

TEST(BandDragTest, PointerIsLimitedToThePlot) {
    const BandDrag above = BandDraggedTo(FilterType::Peaking, false, 1000, {-50, -50}, kPlot);
    EXPECT_EQ(above.frequencyHz, 20);
    EXPECT_EQ(above.gainDb, 20.0);
    const BandDrag below = BandDraggedTo(FilterType::Peaking, false, 1000, {2000, 999}, kPlot);
    EXPECT_EQ(below.frequencyHz, 20000);
    EXPECT_EQ(below.gainDb, -20.0);
}

TEST(BandDragTest, GraphicModeKeepsTheFrequencyAndShelvesKeepTheirSide) {
    const BandDrag geq = BandDraggedTo(FilterType::Peaking, true, 630, {500, 130}, kPlot);
    EXPECT_EQ(geq.frequencyHz, 630);
    EXPECT_EQ(geq.gainDb, 8.0);
    const int x5000 = FrequencyToX(5000.0, kPlot);
    const int x500 = FrequencyToX(500.0, kPlot);
    EXPECT_EQ(BandDraggedTo(FilterType::LowShelf, false, 100, {x5000, 0}, kPlot).frequencyHz, 2000);
    EXPECT_EQ(BandDraggedTo(FilterType::HighShelf, false, 8000, {x500, 0}, kPlot).frequencyHz,
              2000);
}

TEST(BandwidthDragTest, HandlesMeasureOctavesFromTheSnappedCentre) {
    const int x2000 = FrequencyToX(2000.0, kPlot);
    const int x500 = FrequencyToX(500.0, kPlot);
    constexpr double kOnePixelOctaves = 3.33 / 200;  // marker x positions are truncated
    EXPECT_NEAR(BandwidthDraggedTo(1000, BandwidthHandle::Upper, x2000), 1.0, kOnePixelOctaves);
    EXPECT_NEAR(BandwidthDraggedTo(1000, BandwidthHandle::Lower, x500), 1.0, kOnePixelOctaves);
    EXPECT_EQ(BandwidthDraggedTo(1010, BandwidthHandle::Upper, x2000),
              BandwidthDraggedTo(1000, BandwidthHandle::Upper, x2000));
    EXPECT_EQ(BandwidthDraggedTo(1000, BandwidthHandle::Upper, x500), 0.05);  // past centre
    EXPECT_EQ(BandwidthDraggedTo(1000, BandwidthHandle::Lower, 0), 3.0);
}

TEST(CrossoverDragTest, HighPassAndLowPassNeverCross) {
    const int x5000 = FrequencyToX(5000.0, kPlot);
    EXPECT_EQ(CrossoverDraggedTo(FilterType::HighPass, x5000, 100, 500), 500);
    EXPECT_EQ(CrossoverDraggedTo(FilterType::HighPass, 240, 100, 500), 200);
    EXPECT_EQ(CrossoverDraggedTo(FilterType::LowPass, 40, 80, 20000), 80);
    EXPECT_EQ(CrossoverDraggedTo(FilterType::LowPass, 9999, 80, 500), 20000);
}

TEST(CrossoverDragTest, LeftOfThePlotPullsAHighPassTo20Hz) {
    // The pointer is limited to the plot, whose left edge is 20 Hz whatever the channel's role.
    EXPECT_EQ(CrossoverDraggedTo(FilterType::HighPass, 10, 300, 20000), 20);
    EXPECT_EQ(CrossoverDraggedTo(FilterType::HighPass, -400, 300, 20000), 20);
}

}  // namespace
}  // namespace corva
