#include "pages/GraphPainter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "dsp/values/ValueLabels.h"
#include "pages/GraphFrame.h"
#include "pages/GraphHitTest.h"
#include "pages/GraphPalette.h"

namespace corva::pages {
namespace {

struct AxisLabel {
    int value;
    const char* text;
};

constexpr std::array<AxisLabel, 10> kFrequencyLabels = {{{20, "20"},
                                                         {50, "50"},
                                                         {100, "100"},
                                                         {200, "200"},
                                                         {500, "500"},
                                                         {1000, "1K"},
                                                         {2000, "2K"},
                                                         {5000, "5K"},
                                                         {10000, "10K"},
                                                         {20000, "20K"}}};

constexpr std::array<AxisLabel, 5> kLevelLabels = {
    {{20, "+20"}, {10, "+10"}, {0, "0dB"}, {-10, "-10"}, {-20, "-20"}}};

constexpr int kLevelLineStepDb = 5;
constexpr int kLabelFontPx = 11;
constexpr int kTextFontPx = 12;
constexpr int kPointRadiusPx = 5;
constexpr int kHandleHalfPx = 4;
constexpr int kCurveOverhangPx = 2;  // curves leave the plot by this much, then are clipped
constexpr int kPanelPaddingPx = 4;
constexpr int kSwatchPx = 10;

QFont PixelFont(int pixels, QFont::Weight weight = QFont::Normal) {
    QFont font;
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

bool IsLabelledFrequency(int frequencyHz) {
    return std::any_of(kFrequencyLabels.begin(), kFrequencyLabels.end(),
                       [&](const AxisLabel& label) { return label.value == frequencyHz; });
}

// A text on a light panel so it stays readable over the curves.
void PaintPanelText(QPainter& painter, const QRect& box, const QString& text, const QColor& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(graph_colour::kPanel);
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
}

QRect PanelFor(const QFontMetrics& metrics, const QString& text) {
    return {0, 0, metrics.horizontalAdvance(text) + 2 * kPanelPaddingPx,
            metrics.height() + kPanelPaddingPx};
}

}  // namespace

void PaintGrid(QPainter& painter, QSize widgetSize, PlotSize plot) {
    painter.fillRect(QRect{QPoint{0, 0}, widgetSize}, graph_colour::kBackground);
    const QRect plotRect = PlotRect(plot);
    painter.fillRect(plotRect, graph_colour::kPlot);
    const int top = plotRect.top();
    const int bottom = kPlotTopMargin + plot.height;
    const int left = plotRect.left();
    const int right = kPlotLeftMargin + plot.width;

    // Vertical lines at 1..9 times every power of ten from 20 Hz to 20 kHz; the labelled
    // frequencies are drawn a little stronger.
    for (int decade = 10; decade <= 10000; decade *= 10) {
        for (int multiple = 1; multiple <= 9; ++multiple) {
            const int frequencyHz = decade * multiple;
            if (frequencyHz < 20 || frequencyHz > 20000) {
                continue;
            }
            const int x = FrequencyToX(frequencyHz, plot);
            painter.setPen(IsLabelledFrequency(frequencyHz) ? graph_colour::kZeroLine
                                                            : graph_colour::kGridLine);
            painter.drawLine(x, top, x, bottom);
        }
    }
    for (int db = -20; db <= 20; db += kLevelLineStepDb) {
        const int y = DbToY(db, plot);
        painter.setPen(db == 0 ? QPen(graph_colour::kZeroLine, 1.5)
                               : QPen(graph_colour::kGridLine));
        painter.drawLine(left, y, right, y);
    }
    painter.setPen(graph_colour::kZeroLine);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect{left, top, plot.width, plot.height});

    painter.setFont(PixelFont(kLabelFontPx));
    painter.setPen(graph_colour::kQuietInk);
    const QFontMetrics metrics = painter.fontMetrics();
    for (const AxisLabel& label : kFrequencyLabels) {
        const QString text = QString::fromLatin1(label.text);
        const int width = metrics.horizontalAdvance(text);
        const int x = FrequencyToX(label.value, plot);
        // The end labels stay under the plot instead of overhanging the widget's edges.
        const int textLeft = std::clamp(x - width / 2, 0, widgetSize.width() - width);
        painter.drawText(QRect{textLeft, bottom + 2, width, kPlotBottomMargin - 2},
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (const AxisLabel& label : kLevelLabels) {
        const int y = DbToY(label.value, plot);
        painter.drawText(QRect{0, y - metrics.height() / 2, kPlotLeftMargin - 4, metrics.height()},
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(label.text));
    }
}

QPolygon CurvePolygon(const Response& response, PlotSize plot) {
    std::array<PlotPoint, kGridPoints> points{};
    ResponseToPoints(response, plot, points.data());
    const int highest = kPlotTopMargin - kCurveOverhangPx;
    const int lowest = kPlotTopMargin + plot.height + kCurveOverhangPx;
    QPolygon curve(kGridPoints);
    for (std::size_t i = 0; i < points.size(); ++i) {
        curve[static_cast<int>(i)] = QPoint{points[i].x, std::clamp(points[i].y, highest, lowest)};
    }
    return curve;
}

void PaintCurve(QPainter& painter, const QPolygon& curve, const QColor& colour,
                CurveEmphasis emphasis, PlotSize plot) {
    painter.save();
    painter.setClipRect(PlotRect(plot));
    painter.setRenderHint(QPainter::Antialiasing);
    QColor ink = colour;
    if (emphasis == CurveEmphasis::Faint) {
        ink.setAlpha(kFaintCurveAlpha);
    }
    // A one-pixel pen takes the raster engine's fast line path at scale 1, many times cheaper
    // than a wider stroke; the current curve, redrawn on every drag step, is two such lines
    // half a pixel above and below its points, which reads as a two-pixel line.
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    if (emphasis == CurveEmphasis::Current) {
        painter.translate(0.0, -0.5);
        painter.drawPolyline(curve);
        painter.translate(0.0, 1.0);
    }
    painter.drawPolyline(curve);
    painter.restore();
}

namespace {

constexpr int kNumberFontPx = 9;
constexpr int kNumberedPointRadiusPx = 7;

void PaintNumberedPoint(QPainter& painter, PlotPoint point, int number, const QColor& colour,
                        bool selected) {
    const int radius = selected ? kNumberedPointRadiusPx + 1 : kNumberedPointRadiusPx;
    painter.setPen(QPen(selected ? graph_colour::kPlot : colour, 1.5));
    painter.setBrush(selected ? colour : graph_colour::kPlot);
    painter.drawEllipse(QPoint{point.x, point.y}, radius, radius);
    painter.setPen(selected ? graph_colour::kPlot : colour.darker(130));
    painter.drawText(QRect{point.x - radius, point.y - radius, 2 * radius, 2 * radius},
                     Qt::AlignCenter, QString::number(number));
}

QString CrossoverText(const CrossoverView& filter, FilterType type) {
    return QString::fromStdString(
               BandCaption(static_cast<int>(type), false, filter.frequencyHz, 0, 0.0, false, 0))
        .trimmed();
}

QString CaptionText(const BandView& band, bool geqMode) {
    return QString::fromStdString(BandCaption(band.type, geqMode, band.frequencyHz,
                                              band.bandwidthIndex, band.gainDb, band.bypassed,
                                              band.slope));
}

}  // namespace

void NumberedPointSprites::Paint(QPainter& painter, PlotPoint point, int number,
                                 const QColor& colour, const QFont& font) {
    // Room for the ring, its antialiased edge and a number wider than the ring.
    constexpr int kReachPx = kNumberedPointRadiusPx + 6;
    if (font != font_) {
        sprites_.clear();
        font_ = font;
    }
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    auto [entry, added] = sprites_.try_emplace(Key{number, colour.rgba(), ratio});
    if (added) {
        QPixmap sprite(QSize(2 * kReachPx + 1, 2 * kReachPx + 1) * ratio);
        sprite.setDevicePixelRatio(ratio);
        sprite.fill(Qt::transparent);
        QPainter spritePainter(&sprite);
        spritePainter.setRenderHint(QPainter::Antialiasing);
        spritePainter.setFont(font);
        PaintNumberedPoint(spritePainter, PlotPoint{kReachPx, kReachPx}, number, colour, false);
        entry->second = sprite;
    }
    painter.drawPixmap(point.x - kReachPx, point.y - kReachPx, entry->second);
}

void PaintBandPoints(QPainter& painter, const OutputView& channel, int selectedBand,
                     const QColor& colour, PlotSize plot, NumberedPointSprites& sprites) {
    const QFont font = PixelFont(kNumberFontPx, QFont::DemiBold);
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        const BandView& view = channel.bands[static_cast<std::size_t>(band)];
        if (band == selectedBand || !BandShownOnGraph(view, band, selectedBand)) {
            continue;
        }
        sprites.Paint(painter, BandMarkerPositions(BandShape(view), plot).point, band + 1, colour,
                      font);
    }
}

namespace {

// The room a numbered point takes, with a little air, for the labels that keep clear of it.
std::vector<QRect> BandPointReaches(const OutputView& channel, int selectedBand, PlotSize plot) {
    constexpr int kPointReachPx = kNumberedPointRadiusPx + 2;
    std::vector<QRect> reaches;
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        const BandView& view = channel.bands[static_cast<std::size_t>(band)];
        if (!BandShownOnGraph(view, band, selectedBand)) {
            continue;
        }
        const PlotPoint point = BandMarkerPositions(BandShape(view), plot).point;
        reaches.emplace_back(point.x - kPointReachPx, point.y - kPointReachPx, 2 * kPointReachPx,
                             2 * kPointReachPx);
    }
    return reaches;
}

bool MeetsAny(const QRect& place, const std::vector<QRect>& others) {
    return std::any_of(others.begin(), others.end(),
                       [&](const QRect& other) { return place.intersects(other); });
}

// The first place clear of everything, else the first clear of `texts` alone, else the first.
QRect FirstClearPlace(const std::vector<QRect>& places, const std::vector<QRect>& texts,
                      const std::vector<QRect>& points) {
    for (const QRect& place : places) {
        if (!MeetsAny(place, texts) && !MeetsAny(place, points)) {
            return place;
        }
    }
    for (const QRect& place : places) {
        if (!MeetsAny(place, texts)) {
            return place;
        }
    }
    return places.front();
}

}  // namespace

CrossoverLabelRects CrossoverLabels(const OutputView& channel, int selectedBand, PlotSize plot) {
    const QFontMetrics metrics(PixelFont(kLabelFontPx));
    const std::vector<QRect> points = BandPointReaches(channel, selectedBand, plot);
    const auto place = [&](const CrossoverView& filter, FilterType type,
                           const std::vector<QRect>& texts) {
        const PlotPoint point = BandMarkerPositions(CrossoverShape(filter, type), plot).point;
        const int width = metrics.horizontalAdvance(CrossoverText(filter, type));
        const int height = metrics.height();
        const int right = point.x + 3;
        const int left = point.x - 3 - width;
        const int ownSide = type == FilterType::HighPass ? right : left;
        const int otherSide = type == FilterType::HighPass ? left : right;
        const int below = point.y + 6;
        const int above = point.y - 6 - height;
        std::vector<QRect> places;
        for (const int top : {below, above}) {
            places.emplace_back(ownSide, top, width, height);
            places.emplace_back(otherSide, top, width, height);
        }
        constexpr int kLowerLines = 4;
        for (int line = 1; line <= kLowerLines; ++line) {
            places.emplace_back(ownSide, below + line * (height + 2), width, height);
        }
        return FirstClearPlace(places, texts, points);
    };
    CrossoverLabelRects labels;
    labels.highPass = place(channel.highPass, FilterType::HighPass, {});
    labels.lowPass = place(channel.lowPass, FilterType::LowPass, {labels.highPass});
    return labels;
}

QRect CaptionRect(const OutputView& channel, int selectedBand, const QRect& captionSize,
                  const QRect& legend, PlotSize plot) {
    const CrossoverLabelRects labels = CrossoverLabels(channel, selectedBand, plot);
    const std::vector<QRect> texts{labels.highPass, labels.lowPass, legend};
    std::vector<QRect> places(3, captionSize);
    places[0].moveTopLeft({kPlotLeftMargin + 6, kPlotTopMargin + 4});
    places[1].moveBottomLeft({kPlotLeftMargin + 6, kPlotTopMargin + plot.height - 4});
    places[2].moveTopLeft({kPlotLeftMargin + 6, legend.bottom() + 4});
    return FirstClearPlace(places, texts, BandPointReaches(channel, selectedBand, plot));
}

void PaintSelectedBand(QPainter& painter, const OutputView& channel, int selectedBand,
                       const QColor& colour, const QRect& legend, PlotSize plot) {
    const BandView& band = channel.bands[static_cast<std::size_t>(selectedBand)];
    const BandMarkers markers = BandMarkerPositions(BandShape(band), plot);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (static_cast<FilterType>(band.type) == FilterType::Peaking) {
        QColor spanColour = colour;
        spanColour.setAlpha(120);
        painter.setPen(QPen(spanColour, 1.0, Qt::DashLine));
        painter.drawLine(markers.lowerHandle.x, markers.lowerHandle.y, markers.upperHandle.x,
                         markers.upperHandle.y);
        painter.setPen(QPen(colour, 1.5));
        painter.setBrush(graph_colour::kPlot);
        for (const PlotPoint handle : {markers.lowerHandle, markers.upperHandle}) {
            painter.drawRect(QRect{handle.x - kHandleHalfPx, handle.y - kHandleHalfPx,
                                   2 * kHandleHalfPx, 2 * kHandleHalfPx});
        }
    }
    painter.setFont(PixelFont(kNumberFontPx, QFont::Bold));
    PaintNumberedPoint(painter, markers.point, selectedBand + 1, colour, true);

    painter.setFont(PixelFont(kTextFontPx, QFont::DemiBold));
    const QString caption = CaptionText(band, channel.geqMode);
    const QRect box =
        CaptionRect(channel, selectedBand, PanelFor(painter.fontMetrics(), caption), legend, plot);
    PaintPanelText(painter, box, caption, colour.darker(130));
    painter.restore();
}

void PaintCrossovers(QPainter& painter, const OutputView& channel, int selectedBand,
                     PlotSize plot) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(PixelFont(kLabelFontPx));
    const int top = kPlotTopMargin;
    const int bottom = kPlotTopMargin + plot.height;
    const CrossoverLabelRects labels = CrossoverLabels(channel, selectedBand, plot);
    const auto paintOne = [&](const CrossoverView& filter, FilterType type, const QRect& label) {
        const PlotPoint point = BandMarkerPositions(CrossoverShape(filter, type), plot).point;
        painter.setPen(QPen(graph_colour::kCrossover, 1.0, Qt::DashLine));
        painter.drawLine(point.x, top, point.x, bottom);
        // A triangle pointing into the band the filter passes.
        const int direction = type == FilterType::HighPass ? 1 : -1;
        const QPolygon arrow{{QPoint{point.x, point.y - 6},
                              QPoint{point.x + direction * 8, point.y},
                              QPoint{point.x, point.y + 6}}};
        painter.setPen(QPen(graph_colour::kCrossover, 1.0));
        painter.setBrush(graph_colour::kCrossover);
        painter.drawPolygon(arrow);
        painter.setPen(graph_colour::kCrossover);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, CrossoverText(filter, type));
    };
    paintOne(channel.highPass, FilterType::HighPass, labels.highPass);
    paintOne(channel.lowPass, FilterType::LowPass, labels.lowPass);
    painter.restore();
}

namespace {

constexpr int kLegendGapPx = 10;

}  // namespace

QRect LegendRect(const ChannelNames& names, PlotSize plot) {
    const QFontMetrics boldMetrics(PixelFont(kTextFontPx, QFont::Bold));
    int width = kPanelPaddingPx;
    for (const QString& name : names) {
        width += kSwatchPx + 4 + boldMetrics.horizontalAdvance(name) + kLegendGapPx;
    }
    const int height = boldMetrics.height() + kPanelPaddingPx;
    return {kPlotLeftMargin + plot.width - width - 6, kPlotTopMargin + 4, width, height};
}

void PaintLegend(QPainter& painter, const ChannelNames& names, int currentChannel, PlotSize plot) {
    painter.save();
    const QFont normal = PixelFont(kTextFontPx);
    const QFont bold = PixelFont(kTextFontPx, QFont::Bold);
    const QFontMetrics boldMetrics(bold);
    const QRect box = LegendRect(names, plot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(graph_colour::kPanel);
    painter.drawRoundedRect(box, 3, 3);
    int x = box.left() + kPanelPaddingPx;
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        const auto index = static_cast<std::size_t>(channel);
        QColor swatch = kChannelColours[index];
        if (channel != currentChannel) {
            swatch.setAlpha(160);
        }
        painter.fillRect(QRect{x, box.center().y() - kSwatchPx / 2, kSwatchPx, kSwatchPx}, swatch);
        x += kSwatchPx + 4;
        painter.setFont(channel == currentChannel ? bold : normal);
        painter.setPen(channel == currentChannel ? graph_colour::kInk : graph_colour::kQuietInk);
        const int textWidth = boldMetrics.horizontalAdvance(names[index]);
        painter.drawText(QRect{x, box.top(), textWidth, box.height()},
                         Qt::AlignLeft | Qt::AlignVCenter, names[index]);
        x += textWidth + kLegendGapPx;
    }
    painter.restore();
}

QRect ReadoutRect(PlotSize plot) {
    constexpr int kWidthPx = 128;
    constexpr int kHeightPx = 20;
    return {kPlotLeftMargin + plot.width - kWidthPx - 6,
            kPlotTopMargin + plot.height - kHeightPx - 6, kWidthPx, kHeightPx};
}

void PaintReadout(QPainter& painter, const QString& text, PlotSize plot) {
    painter.save();
    painter.setFont(PixelFont(kTextFontPx));
    PaintPanelText(painter, ReadoutRect(plot), text, graph_colour::kInk);
    painter.restore();
}

void PaintOverlayCurves(QPainter& painter, const QPolygon& measured, const QPolygon& target,
                        const QPolygon& predicted, const OverlayKey& key, PlotSize plot) {
    const std::array<QPen, 3> pens{QPen(graph_colour::kMeasured, 1.4, Qt::DashLine),
                                   QPen(graph_colour::kTarget, 1.6, Qt::DotLine),
                                   QPen(graph_colour::kPredicted, 2.2)};
    const std::array<const QPolygon*, 3> curves{&measured, &target, &predicted};
    painter.save();
    painter.setClipRect(PlotRect(plot));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(PixelFont(kTextFontPx));
    int keyX = kPlotLeftMargin + 8;
    const int keyY = kPlotTopMargin + plot.height - 14;
    for (std::size_t k = 0; k < curves.size(); ++k) {
        if (curves[k]->isEmpty()) {
            continue;
        }
        painter.setPen(pens[k]);
        painter.drawPolyline(*curves[k]);
        painter.drawLine(keyX, keyY, keyX + 22, keyY);
        const QRect label(keyX + 26, keyY - 8, painter.fontMetrics().horizontalAdvance(key[k]) + 4,
                          16);
        PaintPanelText(painter, label, key[k], graph_colour::kInk);
        keyX = label.right() + 12;
    }
    painter.restore();
}

QString ReadoutText(int frequencyHz, double levelDb) {
    // Rounded first, and + 0.0 turns a negative zero positive, so a flat curve reads "0.0dB".
    const double shownDb = std::round(levelDb * 10.0) / 10.0 + 0.0;
    return QString::asprintf("%dHz  %.1fdB", frequencyHz, shownDb);
}

}  // namespace corva::pages
