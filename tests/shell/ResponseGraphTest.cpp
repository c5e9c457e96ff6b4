// The output response graph: selecting bands by click and keys, the drag rules reached through
// the edit API (band point, GEQ band, bandwidth handle, crossovers), wheel steps, a drag on a
// linked pair reaching the processor, its texts in both languages and what it paints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "ShellTestSupport.h"
#include "dsp/values/BandCodes.h"
#include "model/ChannelEditor.h"
#include "model/DefaultOutputBlock.h"
#include "pages/GraphFrame.h"
#include "pages/GraphHitTest.h"
#include "pages/GraphPainter.h"
#include "pages/GraphPalette.h"
#include "pages/ResponseGraph.h"

namespace corva::pages {
namespace {

constexpr int kWidthPx = 1280;
constexpr int kHeightPx = 330;

void SendMouse(QWidget& widget, QEvent::Type type, PlotPoint at,
               Qt::MouseButtons buttons = Qt::LeftButton) {
    const QPointF local(at.x, at.y);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Drag(QWidget& widget, PlotPoint from, PlotPoint to) {
    SendMouse(widget, QEvent::MouseButtonPress, from);
    SendMouse(widget, QEvent::MouseMove, {(from.x + to.x) / 2, (from.y + to.y) / 2});
    SendMouse(widget, QEvent::MouseMove, to);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void Click(QWidget& widget, PlotPoint at) {
    SendMouse(widget, QEvent::MouseButtonPress, at);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void Wheel(QWidget& widget, int angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local(kWidthPx / 2.0, kHeightPx / 2.0);
    QWheelEvent event(local, widget.mapToGlobal(local), QPoint{}, QPoint{0, angle}, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

// Loads every output channel with its default block, channel `geqChannel` in GEQ mode.
void LoadWithGeqChannel(TuningSession& session, int geqChannel) {
    constexpr int kStripEqModeByte = 248 + 6;
    auto& engine = session.engine();
    std::lock_guard lock(engine.sendLock);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto defaults = DefaultOutputBlock(c);
        auto block = engine.image.Block(0, BlockType::Output, c);
        std::copy(defaults.begin(), defaults.end(), block.begin());
        block[kStripEqModeByte] = c == geqChannel ? 1 : 0;
    }
    engine.model.LoadFromImage(engine.image, 0);
}

class ResponseGraphTest : public ::testing::Test {
protected:
    ResponseGraphTest() : graph{session}, editor{session} {
        graph.resize(kWidthPx, kHeightPx);
        graph.show();
        // As on the page: every change event redraws the graph.
        session.SetEventSink([this](const SessionEvent&) { graph.RefreshFromSession(); });
    }

    OutputView Output(int channel) const {
        return session.Snapshot().outputs[static_cast<std::size_t>(channel)];
    }
    BandView Band(int channel, int band) const {
        return Output(channel).bands[static_cast<std::size_t>(band)];
    }
    BandMarkers Markers(int channel, int band) const {
        return BandMarkerPositions(BandShape(Band(channel, band)), graph.plotSize());
    }
    PlotPoint CrossoverPoint(int channel, FilterType type) const {
        const OutputView out = Output(channel);
        const auto& filter = type == FilterType::HighPass ? out.highPass : out.lowPass;
        return BandMarkerPositions(CrossoverShape(filter, type), graph.plotSize()).point;
    }
    int XOf(int frequencyHz) const { return FrequencyToX(frequencyHz, graph.plotSize()); }
    int YOf(double db) const { return DbToY(db, graph.plotSize()); }

    TuningSession session;
    ResponseGraph graph;
    ChannelEditor editor;
};

// ---- Selecting ----

TEST_F(ResponseGraphTest, AClickAwayFromTheMarkersSelectsTheBandNearestInX) {
    QSignalSpy selected(&graph, &ResponseGraph::BandSelected);
    const TuningSnapshot before = session.Snapshot();
    for (const int band : {12, 3, 27}) {
        Click(graph, {Markers(0, band).point.x + 1, YOf(-15)});
        EXPECT_EQ(graph.currentBand(), band);
        ASSERT_FALSE(selected.isEmpty());
        EXPECT_EQ(selected.takeLast().at(0).toInt(), band);
    }
    // Between two bands, the nearer one.
    const int left = Markers(0, 24).point.x;
    const int right = Markers(0, 25).point.x;
    Click(graph, {left + (right - left) / 3, YOf(-15)});
    EXPECT_EQ(graph.currentBand(), 24);
    Click(graph, {right - (right - left) / 3, YOf(-15)});
    EXPECT_EQ(graph.currentBand(), 25);
    // Selecting changes nothing in the tuning.
    EXPECT_EQ(session.Snapshot().outputs[0].response, before.outputs[0].response);
    EXPECT_EQ(Band(0, 24).gainCode, before.outputs[0].bands[24].gainCode);
}

TEST_F(ResponseGraphTest, LeftAndRightSelectNeighbourBandsUpDownAndPagesStepTheGain) {
    QSignalSpy selected(&graph, &ResponseGraph::BandSelected);
    graph.SetCurrentBand(10);
    EXPECT_TRUE(selected.isEmpty());  // set from outside: no echo
    QTest::keyClick(&graph, Qt::Key_Right);
    QTest::keyClick(&graph, Qt::Key_Right);
    QTest::keyClick(&graph, Qt::Key_Left);
    EXPECT_EQ(graph.currentBand(), 11);
    ASSERT_EQ(selected.size(), 3);
    EXPECT_EQ(selected.at(2).at(0).toInt(), 11);

    QTest::keyClick(&graph, Qt::Key_Up);
    EXPECT_EQ(Band(0, 11).gainCode, 201);  // +0.1 dB
    EXPECT_FALSE(Band(0, 11).bypassed);
    QTest::keyClick(&graph, Qt::Key_PageUp);
    EXPECT_EQ(Band(0, 11).gainCode, 211);  // +1.1 dB
    QTest::keyClick(&graph, Qt::Key_PageDown);
    QTest::keyClick(&graph, Qt::Key_Down);
    EXPECT_EQ(Band(0, 11).gainCode, 200);  // 0.0 dB
    EXPECT_TRUE(Band(0, 11).bypassed);

    // The ends of the band list hold.
    graph.SetCurrentBand(output_block::kBandSlots - 1);
    QTest::keyClick(&graph, Qt::Key_Right);
    EXPECT_EQ(graph.currentBand(), output_block::kBandSlots - 1);
    graph.SetCurrentBand(0);
    QTest::keyClick(&graph, Qt::Key_Left);
    EXPECT_EQ(graph.currentBand(), 0);
}

// ---- Dragging ----

TEST_F(ResponseGraphTest, DraggingTheBandPointMovesItAndTheZeroLineBypassesIt) {
    graph.SetCurrentBand(15);
    const BandView before = Band(0, 15);
    const BandView otherChannel = Band(1, 15);
    const PlotPoint start = Markers(0, 15).point;
    Drag(graph, start, start);  // a press without a move changes nothing
    EXPECT_EQ(Band(0, 15).frequencyHz, before.frequencyHz);
    EXPECT_TRUE(Band(0, 15).bypassed);
    const PlotPoint raised{XOf(400), YOf(6)};
    Drag(graph, start, raised);
    EXPECT_EQ(Band(0, 15).frequencyHz, XToFrequency(raised.x, graph.plotSize()));
    EXPECT_DOUBLE_EQ(Band(0, 15).gainDb, 6.0);
    EXPECT_FALSE(Band(0, 15).bypassed);

    Drag(graph, Markers(0, 15).point, {raised.x, YOf(0)});
    EXPECT_DOUBLE_EQ(Band(0, 15).gainDb, 0.0);
    EXPECT_TRUE(Band(0, 15).bypassed);
    // An unlinked channel keeps its band.
    EXPECT_EQ(Band(1, 15).frequencyHz, otherChannel.frequencyHz);
    EXPECT_EQ(Band(1, 15).gainCode, otherChannel.gainCode);
}

TEST_F(ResponseGraphTest, AGeqBandMovesOnlyVertically) {
    LoadWithGeqChannel(session, 2);
    graph.RefreshFromSession();
    graph.SetCurrentChannel(2);
    graph.SetCurrentBand(8);
    const int frequencyHz = Band(2, 8).frequencyHz;
    Drag(graph, Markers(2, 8).point, {Markers(2, 8).point.x + 150, YOf(-7)});
    EXPECT_EQ(Band(2, 8).frequencyHz, frequencyHz);
    EXPECT_DOUBLE_EQ(Band(2, 8).gainDb, -7.0);

    // The same drag on a parametric channel moves the frequency as well.
    graph.SetCurrentChannel(0);
    graph.SetCurrentBand(8);
    const int parametricHz = Band(0, 8).frequencyHz;
    Drag(graph, Markers(0, 8).point, {Markers(0, 8).point.x + 150, YOf(-7)});
    EXPECT_NE(Band(0, 8).frequencyHz, parametricHz);
}

TEST_F(ResponseGraphTest, DraggingTheUpperHandleSetsTheBandwidthFromTheCentre) {
    graph.SetCurrentBand(16);
    graph.RefreshFromSession();
    QTest::keyClick(&graph, Qt::Key_PageUp);  // a raised band, so the handles stand apart
    const BandMarkers markers = Markers(0, 16);
    const double centreHz =
        GridFrequencies()[static_cast<std::size_t>(NearestGridIndex(Band(0, 16).frequencyHz))];
    const int oneOctaveUp = XOf(static_cast<int>(centreHz * 2.0) + 1);
    Drag(graph, markers.upperHandle, {oneOctaveUp, markers.upperHandle.y});
    EXPECT_NEAR(BandwidthOctaves(Band(0, 16).bandwidthIndex), 1.0, 0.02);
    // The point itself did not move.
    EXPECT_EQ(Markers(0, 16).point, markers.point);
}

TEST_F(ResponseGraphTest, CrossoverDragsNeverCrossTheOtherFilter) {
    graph.SetCurrentBand(30);  // keep the band's own markers away from the crossovers
    editor.SetCrossoverFrequency(0, CrossoverFilter::HighPass, 100);
    editor.SetCrossoverFrequency(0, CrossoverFilter::LowPass, 2000);
    graph.RefreshFromSession();

    Drag(graph, CrossoverPoint(0, FilterType::HighPass), {XOf(10000), YOf(0)});
    EXPECT_EQ(Output(0).highPass.frequencyHz, 2000);

    editor.SetCrossoverFrequency(0, CrossoverFilter::HighPass, 300);
    graph.RefreshFromSession();
    Drag(graph, CrossoverPoint(0, FilterType::LowPass), {XOf(50), YOf(0)});
    EXPECT_EQ(Output(0).lowPass.frequencyHz, 300);
    EXPECT_LE(Output(0).highPass.frequencyHz, Output(0).lowPass.frequencyHz);

    // Pulled past the plot's left edge, a high-pass rests at 20 Hz.
    Drag(graph, CrossoverPoint(0, FilterType::HighPass), {0, YOf(0)});
    EXPECT_EQ(Output(0).highPass.frequencyHz, 20);
}

// Every band that shapes the sound has a point; a press takes the nearest, and presses on
// points lying on each other step through them.
TEST_F(ResponseGraphTest, APressGrabsTheNearestPointAndPressesOnOneSpotCycle) {
    for (const auto& [band, frequencyHz, gainDb] :
         {std::tuple{2, 1000, 6.0}, {3, 1040, 6.0}, {7, 4000, -4.0}, {8, 4000, -4.0}}) {
        editor.SetBandFrequency(0, band, frequencyHz);
        editor.SetBandGainDb(0, band, gainDb);
    }
    graph.SetCurrentBand(2);
    ASSERT_LT(std::abs(Markers(0, 2).point.x - Markers(0, 3).point.x), kGrabRadiusPx);
    Click(graph, Markers(0, 3).point);
    EXPECT_EQ(graph.currentBand(), 3);
    Click(graph, Markers(0, 2).point);
    EXPECT_EQ(graph.currentBand(), 2);

    const PlotPoint spot = Markers(0, 7).point;
    Click(graph, spot);
    EXPECT_EQ(graph.currentBand(), 7);
    Click(graph, spot);
    EXPECT_EQ(graph.currentBand(), 8);
    Click(graph, spot);
    EXPECT_EQ(graph.currentBand(), 7);
    // A drag from the spot moves the band it grabbed.
    Drag(graph, spot, {spot.x, YOf(2.0)});
    EXPECT_NEAR(Band(0, 8).gainDb, 2.0, 0.5);
    EXPECT_DOUBLE_EQ(Band(0, 7).gainDb, -4.0);
}

TEST_F(ResponseGraphTest, CrossoversOnOneSpotMoveTheWayTheDragGoes) {
    graph.SetCurrentBand(30);
    editor.SetCrossoverFrequency(0, CrossoverFilter::HighPass, 500);
    editor.SetCrossoverFrequency(0, CrossoverFilter::LowPass, 500);
    const PlotPoint spot = CrossoverPoint(0, FilterType::HighPass);
    ASSERT_EQ(spot, CrossoverPoint(0, FilterType::LowPass));

    Drag(graph, spot, {spot.x - 60, spot.y});
    EXPECT_LT(Output(0).highPass.frequencyHz, 500);
    EXPECT_EQ(Output(0).lowPass.frequencyHz, 500);

    editor.SetCrossoverFrequency(0, CrossoverFilter::HighPass, 500);
    Drag(graph, spot, {spot.x + 60, spot.y});
    EXPECT_GT(Output(0).lowPass.frequencyHz, 500);
    EXPECT_EQ(Output(0).highPass.frequencyHz, 500);
}

TEST(GraphLabelsTest, CaptionAndCrossoverLabelsNeverOverlap) {
    const PlotSize plot = PlotSizeFor({kWidthPx, kHeightPx});
    const QRect captionSize{0, 0, 260, 18};
    ChannelNames names;
    for (std::size_t c = 0; c < names.size(); ++c) {
        names[c] = QString::fromLatin1(kDefaultChannelNames[c]);
    }
    const QRect legend = LegendRect(names, plot);
    OutputView channel;
    for (const auto& [highPassHz, lowPassHz] :
         {std::pair{100, 100}, {100, 112}, {1000, 1300}, {20, 20000}, {20, 25}}) {
        channel.highPass.frequencyHz = highPassHz;
        channel.lowPass.frequencyHz = lowPassHz;
        const CrossoverLabelRects labels = CrossoverLabels(channel, 0, plot);
        const QRect caption = CaptionRect(channel, 0, captionSize, legend, plot);
        EXPECT_FALSE(labels.highPass.intersects(labels.lowPass)) << highPassHz << " " << lowPassHz;
        EXPECT_FALSE(caption.intersects(labels.highPass)) << highPassHz;
        EXPECT_FALSE(caption.intersects(labels.lowPass)) << lowPassHz;
    }
    // A raised band in the top left corner sends the caption to the bottom.
    channel.bands[5].bypassed = false;
    channel.bands[5].frequencyHz = 40;
    channel.bands[5].gainDb = 18.0;
    channel.bands[5].gainCode = 380;
    const PlotPoint point = BandMarkerPositions(BandShape(channel.bands[5]), plot).point;
    EXPECT_FALSE(CaptionRect(channel, 0, captionSize, legend, plot).contains(point.x, point.y));

    // On a narrow graph a long caption in the top left corner would run into the legend.
    const PlotSize narrow = PlotSizeFor({560, kHeightPx});
    const QRect narrowLegend = LegendRect(names, narrow);
    const QRect longCaption{0, 0, 320, 18};
    EXPECT_FALSE(
        CaptionRect(channel, 0, longCaption, narrowLegend, narrow).intersects(narrowLegend));
}

TEST(GraphLabelsTest, ACrossoverLabelMovesOffABandPointThatStaysPut) {
    const PlotSize plot = PlotSizeFor({kWidthPx, kHeightPx});
    OutputView channel;
    channel.highPass.frequencyHz = 100;
    channel.lowPass.frequencyHz = 2000;
    const CrossoverLabelRects before = CrossoverLabels(channel, 0, plot);
    // Bands 3 and 4 sit under the labels where they would go with no points on the graph.
    for (const auto& [band, label] : {std::pair{3, before.highPass}, {4, before.lowPass}}) {
        BandView& view = channel.bands[static_cast<std::size_t>(band)];
        view.bypassed = false;
        view.frequencyHz = XToFrequency(label.center().x(), plot);
        view.gainDb = -std::abs(YToDb(label.center().y(), plot));
        view.gainCode = 200 + static_cast<int>(view.gainDb * 10);
    }
    for (const int selected : {0, 3}) {
        const CrossoverLabelRects after = CrossoverLabels(channel, selected, plot);
        EXPECT_FALSE(after.highPass.intersects(after.lowPass));
        for (const int band : {3, 4}) {
            const PlotPoint point =
                BandMarkerPositions(BandShape(channel.bands[static_cast<std::size_t>(band)]), plot)
                    .point;
            const QRect handle{point.x - 7, point.y - 7, 15, 15};
            ASSERT_TRUE((band == 3 ? before.highPass : before.lowPass).intersects(handle));
            EXPECT_FALSE(after.highPass.intersects(handle)) << band << " selected " << selected;
            EXPECT_FALSE(after.lowPass.intersects(handle)) << band << " selected " << selected;
        }
    }
}

// ---- Wheel ----

TEST_F(ResponseGraphTest, TheWheelStepsGainByTenthsAndShiftWheelStepsQ) {
    graph.SetCurrentBand(12);
    Wheel(graph, 120);
    EXPECT_EQ(Band(0, 12).gainCode, 201);  // +0.1 dB
    Wheel(graph, 240);
    EXPECT_EQ(Band(0, 12).gainCode, 203);  // +0.3 dB
    Wheel(graph, -120);
    EXPECT_EQ(Band(0, 12).gainCode, 202);  // +0.2 dB
    // Half notches of a fine wheel add up.
    Wheel(graph, 60);
    EXPECT_EQ(Band(0, 12).gainCode, 202);  // +0.2 dB
    Wheel(graph, 60);
    EXPECT_EQ(Band(0, 12).gainCode, 203);  // +0.3 dB

    const BandView before = Band(0, 12);
    Wheel(graph, 120, Qt::ShiftModifier);
    EXPECT_EQ(Band(0, 12).bandwidthIndex, before.bandwidthIndex - 1);
    EXPECT_GT(Band(0, 12).q, before.q);
    EXPECT_EQ(Band(0, 12).gainCode, 203);  // +0.3 dB
    Wheel(graph, -240, Qt::ShiftModifier);
    EXPECT_EQ(Band(0, 12).bandwidthIndex, before.bandwidthIndex + 1);
}

// ---- On the processor ----

TEST(ResponseGraphOnProcessorTest, ADragOnALinkedPairReachesBothChannelsWithTheLinkFlag) {
    shell::test::Program program;
    program.view().StartupConnect();
    ASSERT_TRUE(program.WaitSynchronised());
    TuningSession& session = program.context->session();
    ChannelEditor editor(session);
    editor.LinkPair(1, LinkDirection::LeftToRight);  // channels 3 and 4
    auto processor = program.devices().Device(shell::kDemoDevicePath);
    processor->ClearReceivedFrames();

    ResponseGraph graph(session);
    graph.resize(kWidthPx, kHeightPx);
    graph.show();
    graph.SetCurrentChannel(2);
    graph.SetCurrentBand(5);
    const auto band = [&](int channel) { return session.Snapshot().outputs[channel].bands[5]; };
    const PlotSize plot = graph.plotSize();
    const PlotPoint start = BandMarkerPositions(BandShape(band(2)), plot).point;
    Drag(graph, start, {start.x, DbToY(-4, plot)});

    EXPECT_DOUBLE_EQ(band(2).gainDb, -4.0);
    EXPECT_DOUBLE_EQ(band(3).gainDb, -4.0);
    EXPECT_EQ(band(3).frequencyHz, band(2).frequencyHz);

    // Output block (type 4) writes of band slot 5 for channels 3 and 4, link flag set.
    const auto sentWithLinkFlag = [&](int channel) {
        for (const auto& frame : processor->ReceivedFrames()) {
            if (frame.size() > 10 && frame[4] == 0xA1 && frame[7] == 4 && frame[8] == channel &&
                frame[9] == 5 && frame[10] == 1) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(shell::test::WaitFor([&] { return sentWithLinkFlag(2) && sentWithLinkFlag(3); }));
}

// ---- Texts ----

TEST_F(ResponseGraphTest, NamesAndTextsFollowTheLanguageAndTheChannelNames) {
    EXPECT_EQ(graph.accessibleName(), QStringLiteral("Output response graph"));
    const QString englishTip = graph.toolTip();
    EXPECT_FALSE(englishTip.isEmpty());
    graph.SetLanguage(UiLanguage::Chinese);
    EXPECT_EQ(graph.accessibleName(), QStringLiteral("输出响应曲线图"));
    EXPECT_NE(graph.toolTip(), englishTip);
    EXPECT_FALSE(graph.toolTip().isEmpty());

    EXPECT_EQ(graph.legendName(0), QStringLiteral("FL"));
    EXPECT_EQ(graph.legendName(5), QStringLiteral("Center"));
    graph.SetChannelNames({QStringLiteral("车门"), {}, {}, {}, {}, QStringLiteral("Mid")});
    EXPECT_EQ(graph.legendName(0), QStringLiteral("车门"));
    EXPECT_EQ(graph.legendName(1), QStringLiteral("FR"));
    EXPECT_EQ(graph.legendName(5), QStringLiteral("Mid"));
}

TEST(ResponseGraphReadoutTest, TheReadoutShowsTenthsAndNoNegativeZero) {
    EXPECT_EQ(ReadoutText(1000, -0.04), QStringLiteral("1000Hz  0.0dB"));
    EXPECT_EQ(ReadoutText(63, -3.25), QStringLiteral("63Hz  -3.3dB"));
    EXPECT_EQ(ReadoutText(20000, 12.0), QStringLiteral("20000Hz  12.0dB"));
}

// ---- Painting ----

int CountPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        count += static_cast<int>(std::count(line, line + image.width(), colour));
    }
    return count;
}

TEST_F(ResponseGraphTest, PaintsTheCurrentCurveOnTopAndNothingOutsideItself) {
    graph.SetCurrentChannel(3);
    graph.SetCurrentBand(14);
    editor.SetBandGainDb(3, 14, 9.0);
    editor.SetBandGainDb(1, 20, -6.0);
    graph.RefreshFromSession();

    // Rendered into a larger transparent image: everything outside the widget stays clear.
    QImage image(kWidthPx + 60, kHeightPx + 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    graph.render(&image);

    const QRgb current = kChannelColours[3].rgb();
    const QRgb other = kChannelColours[1].rgb();
    // More than the point and the legend swatch: the curve across the plot.
    EXPECT_GT(CountPixels(image, current), kWidthPx / 2);
    EXPECT_EQ(CountPixels(image, other), 0);  // other curves are drawn faint

    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x < kWidthPx && y < kHeightPx;
            if (inside != (qAlpha(image.pixel(x, y)) == 255)) {
                ADD_FAILURE() << "pixel " << x << "," << y << (inside ? " left clear" : " drawn");
                return;
            }
        }
    }
}

}  // namespace
}  // namespace corva::pages
