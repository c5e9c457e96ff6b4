#include "pages/MeasuredCurves.h"

#include <QPainter>

#include "pages/GraphFrame.h"
#include "pages/GraphPainter.h"
#include "pages/GraphPalette.h"

namespace corva::pages {
namespace {

constexpr int kSpreadAlpha = 45;

double MeanLevel(const std::vector<MeasuredCurve>& curves) {
    double sum = 0.0;
    std::size_t count = 0;
    for (const MeasuredCurve& curve : curves) {
        for (const double db : curve.levelsDb) {
            sum += db;
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / static_cast<double>(count);
}

Response Shifted(const Response& levels, double offsetDb) {
    Response shifted = levels;
    for (double& db : shifted) {
        db += offsetDb;
    }
    return shifted;
}

}  // namespace

void PaintMeasuredCurves(QPainter& painter, const std::vector<MeasuredCurve>& curves,
                         PlotSize plot) {
    if (curves.empty()) {
        return;
    }
    const double offsetDb = -MeanLevel(curves);
    painter.save();
    painter.setClipRect(PlotRect(plot));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const MeasuredCurve& curve : curves) {
        if (curve.channel < 0 || curve.channel >= kOutputChannelCount) {
            continue;
        }
        const QColor colour = kChannelColours[static_cast<std::size_t>(curve.channel)];
        const Response levels = Shifted(curve.levelsDb, offsetDb);
        if (curve.spreadDb) {
            Response upper = levels;
            Response lower = levels;
            for (std::size_t i = 0; i < levels.size(); ++i) {
                upper[i] += (*curve.spreadDb)[i] / 2.0;
                lower[i] -= (*curve.spreadDb)[i] / 2.0;
            }
            QPolygon band = CurvePolygon(upper, plot);
            const QPolygon below = CurvePolygon(lower, plot);
            for (auto point = below.rbegin(); point != below.rend(); ++point) {
                band << *point;
            }
            QColor fill = colour;
            fill.setAlpha(kSpreadAlpha);
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawPolygon(band);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(colour, 1.6, curve.kind == MeasuredKind::Measured ? Qt::DashLine : Qt::DotLine));
        painter.drawPolyline(CurvePolygon(levels, plot));
    }
    painter.restore();
}

}  // namespace corva::pages
