// Drawing of the response graph's parts: the static grid with its axis labels, the channel
// curves, the selected band's markers and caption, the crossover markers, the legend and the
// pointer readout. Stateless; the widget decides what to cache.
#pragma once

#include <array>
#include <map>

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPolygon>
#include <QSize>
#include <QString>

#include "dsp/response/PlotGeometry.h"
#include "model/TuningSnapshot.h"

class QPainter;

namespace corva::pages {

enum class CurveEmphasis { Current, Faint };

// Background, grid lines every decade step and 5 dB, and the labels of both axes.
void PaintGrid(QPainter& painter, QSize widgetSize, PlotSize plot);

// The channel's summed response as screen points, held inside the plot's height (a deep stop
// band would otherwise reach far below the widget).
QPolygon CurvePolygon(const Response& response, PlotSize plot);

void PaintCurve(QPainter& painter, const QPolygon& curve, const QColor& colour,
                CurveEmphasis emphasis, PlotSize plot);

// The band points drawn once per number, colour, font and resolution and copied afterwards:
// an antialiased circle with its number costs many times a copy, and a paint draws up to 31.
class NumberedPointSprites {
public:
    void Paint(QPainter& painter, PlotPoint point, int number, const QColor& colour,
               const QFont& font);

private:
    struct Key {
        int number = 0;
        QRgb colour = 0;
        qreal ratio = 0.0;
        auto operator<=>(const Key&) const = default;
    };
    std::map<Key, QPixmap> sprites_;
    QFont font_;  // the font every kept sprite was drawn with
};

// A numbered point for every band that shapes the sound, in the channel's colour; the
// selected band is left to PaintSelectedBand.
void PaintBandPoints(QPainter& painter, const OutputView& channel, int selectedBand,
                     const QColor& colour, PlotSize plot, NumberedPointSprites& sprites);

// Where the crossover frequency labels go: beside their markers, the high-pass's to the
// right and the low-pass's to the left, below the 0 dB line. A label that would cover a band
// point or the other label tries the other side, then above the line, then lower lines; the
// points stay where the values put them.
struct CrossoverLabelRects {
    QRect highPass;
    QRect lowPass;
};
CrossoverLabelRects CrossoverLabels(const OutputView& channel, int selectedBand, PlotSize plot);

// Where the selected band's caption goes: the plot's top left corner, else its bottom left
// corner, else under the legend, whichever first keeps clear of the band points, the crossover
// labels and the legend. Text never goes over text, even when every place covers a point.
QRect CaptionRect(const OutputView& channel, int selectedBand, const QRect& captionSize,
                  const QRect& legend, PlotSize plot);

// The selected band's numbered point, its bandwidth handles (peaking bands) and its caption.
void PaintSelectedBand(QPainter& painter, const OutputView& channel, int selectedBand,
                       const QColor& colour, const QRect& legend, PlotSize plot);

// A dashed vertical line and a marker on the 0 dB line for each crossover, with its frequency.
void PaintCrossovers(QPainter& painter, const OutputView& channel, int selectedBand, PlotSize plot);

using ChannelNames = std::array<QString, kOutputChannelCount>;

// The legend's panel: the plot's top right corner, as wide as the names need.
QRect LegendRect(const ChannelNames& names, PlotSize plot);

// Channel names in their colours, in the legend's panel; the current one in bold.
void PaintLegend(QPainter& painter, const ChannelNames& names, int currentChannel, PlotSize plot);

// The names of the measurement's curves: measured, target, predicted.
using OverlayKey = std::array<QString, 3>;

// A measurement's curves (an empty target polygon draws none) and their key in the plot's
// bottom left corner.
void PaintOverlayCurves(QPainter& painter, const QPolygon& measured, const QPolygon& target,
                        const QPolygon& predicted, const OverlayKey& key, PlotSize plot);

// Where the pointer readout is drawn: the plot's bottom right corner.
QRect ReadoutRect(PlotSize plot);
void PaintReadout(QPainter& painter, const QString& text, PlotSize plot);

// "1000Hz  -3.2dB": the frequency under the pointer and the level there.
QString ReadoutText(int frequencyHz, double levelDb);

}  // namespace corva::pages
