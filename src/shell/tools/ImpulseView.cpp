#include "shell/tools/ImpulseView.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>

#include "controls/PixelFont.h"
#include "model/OutputChannel.h"
#include "pages/GraphPalette.h"

namespace corva::shell {
namespace {

constexpr double kBeforeArrivalMs = 3.0;
constexpr double kAfterArrivalMs = 12.0;
constexpr int kMarginPx = 6;
constexpr int kLabelRowPx = 12;  // names of marks close together go on three rows

}  // namespace

ImpulseView::ImpulseView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);  // a screen reader reaches it and reads its name
}

void ImpulseView::SetChannel(int channel, const measure::ImpulseResponse& impulse,
                             double arrivalMs) {
    if (channel < 0 || channel >= kOutputChannelCount || impulse.sampleRateHz <= 0) {
        return;
    }
    Trace trace;
    trace.sampleMs = 1000.0 / impulse.sampleRateHz;
    trace.arrivalMs = arrivalMs;
    const auto total = static_cast<long>(impulse.samples.size());
    const long first = std::clamp(
        static_cast<long>(std::floor((arrivalMs - kBeforeArrivalMs) / trace.sampleMs)), 0L, total);
    const long last = std::clamp(
        static_cast<long>(std::ceil((arrivalMs + kAfterArrivalMs) / trace.sampleMs)), first, total);
    trace.startMs = static_cast<double>(first) * trace.sampleMs;
    trace.samples.assign(impulse.samples.begin() + first, impulse.samples.begin() + last);
    double peak = 0.0;
    for (const double s : trace.samples) {
        peak = std::max(peak, std::abs(s));
    }
    if (peak > 0.0) {
        for (double& s : trace.samples) {
            s /= peak;
        }
    }
    traces_[static_cast<std::size_t>(channel)] = std::move(trace);
    update();
}

void ImpulseView::Clear() {
    traces_.fill(std::nullopt);
    update();
}

bool ImpulseView::hasChannel(int channel) const {
    return channel >= 0 && channel < kOutputChannelCount &&
           traces_[static_cast<std::size_t>(channel)].has_value();
}

void ImpulseView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), pages::graph_colour::kPlot);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    double fromMs = 1e9;
    double toMs = -1e9;
    for (const auto& trace : traces_) {
        if (trace) {
            fromMs = std::min(fromMs, trace->arrivalMs - kBeforeArrivalMs);
            toMs = std::max(toMs, trace->arrivalMs + kAfterArrivalMs);
        }
    }
    if (toMs <= fromMs) {
        return;
    }
    const QRectF area =
        QRectF(rect()).adjusted(kMarginPx, kMarginPx + 3 * kLabelRowPx, -kMarginPx, -kMarginPx);
    const auto x = [&](double ms) {
        return area.left() + (ms - fromMs) / (toMs - fromMs) * area.width();
    };
    const double middle = area.center().y();
    const double half = area.height() / 2.0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(pages::graph_colour::kZeroLine, 1.0));
    painter.drawLine(QPointF(area.left(), middle), QPointF(area.right(), middle));
    painter.setFont(controls::WithPixelSize(font(), 11));
    // Rows by arrival, so marks next to each other put their names on different rows.
    std::vector<std::size_t> byArrival;
    for (std::size_t c = 0; c < traces_.size(); ++c) {
        if (traces_[c]) {
            byArrival.push_back(c);
        }
    }
    std::sort(byArrival.begin(), byArrival.end(), [this](std::size_t a, std::size_t b) {
        return traces_[a]->arrivalMs < traces_[b]->arrivalMs;
    });
    for (std::size_t c = 0; c < traces_.size(); ++c) {
        const auto& trace = traces_[c];
        if (!trace) {
            continue;
        }
        const QColor colour = pages::kChannelColours[c];
        QPainterPath path;
        for (std::size_t i = 0; i < trace->samples.size(); ++i) {
            const QPointF point(x(trace->startMs + static_cast<double>(i) * trace->sampleMs),
                                middle - trace->samples[i] * half);
            if (i == 0) {
                path.moveTo(point);
            } else {
                path.lineTo(point);
            }
        }
        QColor line = colour;
        line.setAlpha(170);
        painter.setPen(QPen(line, 1.0));
        painter.drawPath(path);
        painter.setPen(QPen(colour, 1.4, Qt::DashLine));
        const double markX = x(trace->arrivalMs);
        painter.drawLine(QPointF(markX, area.top()), QPointF(markX, area.bottom()));
        painter.setPen(colour);
        const auto rank = std::find(byArrival.begin(), byArrival.end(), c) - byArrival.begin();
        painter.drawText(QPointF(markX + 2, kMarginPx + 10 + (rank % 3) * kLabelRowPx),
                         QString::fromLatin1(DefaultsOfOutput(static_cast<int>(c)).name));
    }
}

}  // namespace corva::shell
