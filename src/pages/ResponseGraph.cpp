#include "pages/ResponseGraph.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "dsp/values/BandCodes.h"
#include "pages/GraphFrame.h"
#include "pages/GraphPainter.h"
#include "pages/GraphPalette.h"
#include "tuning/OverlayCurves.h"

namespace corva::pages {
namespace {

constexpr int kWheelNotch = 120;    // eighths of a degree per notch of a common wheel
constexpr int kPageGainSteps = 10;  // Page Up/Down: 1 dB in 0.1 dB steps

UiText AccessibleNameText() {
    return Tr("Page", "Output response graph");
}

UiText ToolTipText() {
    return {Tr("Page",
               "Drag the band point, its bandwidth handles or a crossover marker. Click to select "
               "the nearest band. Wheel: gain; Shift+wheel: Q. Left/Right: band; Up/Down: gain.")};
}

QString ToQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

PlotPoint ToPlotPoint(const QPointF& position) {
    const QPoint point = position.toPoint();
    return {point.x(), point.y()};
}

bool IsGainKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

bool InsidePlot(PlotPoint point, PlotSize plot) {
    return point.x >= kPlotLeftMargin && point.x <= kPlotLeftMargin + plot.width &&
           point.y >= kPlotTopMargin && point.y <= kPlotTopMargin + plot.height;
}

}  // namespace

ResponseGraph::ResponseGraph(TuningSession& session, QWidget* parent)
    : QWidget(parent), session_{session}, editor_{session} {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the cached layers
    SetChannelNames({});
    ApplyLanguage();
    RefreshFromSession();
}

void ResponseGraph::SetCurrentChannel(int channel) {
    if (channel < 0 || channel >= kOutputChannelCount || channel == channel_) {
        return;
    }
    channel_ = channel;
    drag_ = DragTarget::None;
    backLayerStale_ = true;  // the previous current curve joins the faint ones
    update();
}

void ResponseGraph::SetCurrentBand(int band) {
    if (band < 0 || band >= output_block::kBandSlots || band == band_) {
        return;
    }
    band_ = band;
    drag_ = DragTarget::None;
    update();
}

void ResponseGraph::SetLanguage(UiLanguage language) {
    language_ = language;
    ApplyLanguage();
}

void ResponseGraph::SetChannelNames(const std::array<QString, kOutputChannelCount>& names) {
    bool changed = false;
    for (std::size_t c = 0; c < names_.size(); ++c) {
        const QString name =
            names[c].isEmpty() ? QString::fromLatin1(kDefaultChannelNames[c]) : names[c];
        changed = changed || name != names_[c];
        names_[c] = name;
    }
    if (changed) {  // the legend is part of the cached layer
        backLayerStale_ = true;
        update();
    }
}

const QString& ResponseGraph::legendName(int channel) const {
    return names_[static_cast<std::size_t>(std::clamp(channel, 0, kOutputChannelCount - 1))];
}

void ResponseGraph::Refresh(const TuningSnapshot& snapshot) {
    std::array<bool, kOutputChannelCount> curveChanged{};
    for (std::size_t c = 0; c < outputs_.size(); ++c) {
        curveChanged[c] = snapshot.outputs[c].response != outputs_[c].response;
        // A link made or broken moves channels between the cached layer and the live ones.
        backLayerStale_ = backLayerStale_ || snapshot.outputs[c].linkGroup != outputs_[c].linkGroup;
        outputs_[c] = snapshot.outputs[c];
    }
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto index = static_cast<std::size_t>(c);
        if (curveChanged[index] && plot_.width > 0) {
            curves_[index] = CurvePolygon(outputs_[index].response, plot_);
            backLayerStale_ = backLayerStale_ || !LinkedToCurrent(c);
        }
    }
    update();
}

void ResponseGraph::RefreshFromSession() {
    Refresh(session_.Snapshot());
}

bool ResponseGraph::LinkedToCurrent(int channel) const {
    return channel == channel_ ||
           outputs_[static_cast<std::size_t>(channel)].linkGroup == current().linkGroup;
}

const BandView& ResponseGraph::currentBandView() const {
    return current().bands[static_cast<std::size_t>(band_)];
}

void ResponseGraph::SelectBand(int band) {
    band = std::clamp(band, 0, output_block::kBandSlots - 1);
    if (band == band_) {
        return;
    }
    band_ = band;
    update();
    emit BandSelected(band);
}

// ---- Drawing ----

void ResponseGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    plot_ = PlotSizeFor(size());
    RebuildGridLayer();
    RebuildCurves();
}

void ResponseGraph::RebuildCurves() {
    for (std::size_t c = 0; c < curves_.size(); ++c) {
        curves_[c] = CurvePolygon(outputs_[c].response, plot_);
    }
    backLayerStale_ = true;
}

void ResponseGraph::RebuildGridLayer() {
    const qreal ratio = devicePixelRatioF();
    gridLayer_ = QPixmap(size() * ratio);
    gridLayer_.setDevicePixelRatio(ratio);
    QPainter painter(&gridLayer_);
    PaintGrid(painter, size(), plot_);
    backLayerStale_ = true;
}

void ResponseGraph::RebuildBackLayer() {
    backLayer_ = gridLayer_.copy();
    backLayer_.setDevicePixelRatio(gridLayer_.devicePixelRatio());
    QPainter painter(&backLayer_);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        if (!LinkedToCurrent(c)) {
            const auto index = static_cast<std::size_t>(c);
            PaintCurve(painter, curves_[index], kChannelColours[index], CurveEmphasis::Faint,
                       plot_);
        }
    }
    PaintLegend(painter, names_, channel_, plot_);
    legend_ = LegendRect(names_, plot_);
    backLayerStale_ = false;
}

void ResponseGraph::paintEvent(QPaintEvent* /*event*/) {
    // A widget rendered before it was ever resized, or moved to a screen of another scale.
    if (gridLayer_.isNull() || gridLayer_.deviceIndependentSize().toSize() != size() ||
        gridLayer_.devicePixelRatio() != devicePixelRatioF()) {
        plot_ = PlotSizeFor(size());
        RebuildGridLayer();
        RebuildCurves();
    }
    if (backLayerStale_) {
        RebuildBackLayer();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, backLayer_);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        if (c != channel_ && LinkedToCurrent(c)) {
            const auto partner = static_cast<std::size_t>(c);
            PaintCurve(painter, curves_[partner], kChannelColours[partner], CurveEmphasis::Faint,
                       plot_);
        }
    }
    const auto index = static_cast<std::size_t>(channel_);
    PaintCrossovers(painter, current(), band_, plot_);
    PaintOverlay(painter);
    PaintMeasuredCurves(painter, measured_, plot_);
    PaintCurve(painter, curves_[index], kChannelColours[index], CurveEmphasis::Current, plot_);
    PaintBandPoints(painter, current(), band_, kChannelColours[index], plot_, pointSprites_);
    PaintSelectedBand(painter, current(), band_, kChannelColours[index], legend_, plot_);
    if (pointer_) {
        PaintReadout(painter, ReadoutFor(*pointer_), plot_);
    }
    if (hasFocus()) {
        painter.setPen(QPen(kChannelColours[index], 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ResponseGraph::SetMeasurementOverlay(int channel, std::optional<MeasurementOverlay> overlay) {
    if (channel < 0 || channel >= kOutputChannelCount) {
        return;
    }
    overlays_[static_cast<std::size_t>(channel)] = std::move(overlay);
    update();
}

void ResponseGraph::SetMeasuredCurves(std::vector<MeasuredCurve> curves) {
    measured_ = std::move(curves);
    update();
}

// Measured level dashed, target dotted, predicted result solid and dark, under the channel's
// own curve's markers; a short key in the plot's bottom left corner.
void ResponseGraph::PaintOverlay(QPainter& painter) const {
    const auto& overlay = overlays_[static_cast<std::size_t>(channel_)];
    if (!overlay) {
        return;
    }
    const tuning::OverlayCurves curves = tuning::MakeOverlayCurves(
        overlay->measurement, overlay->preview.value_or(current().response), overlay->target);
    PaintOverlayCurves(painter,
                       curves.measured ? CurvePolygon(*curves.measured, plot_) : QPolygon(),
                       curves.target ? CurvePolygon(*curves.target, plot_) : QPolygon(),
                       CurvePolygon(curves.predicted, plot_), overlayKey_, plot_);
}

QString ResponseGraph::ReadoutFor(PlotPoint pointer) const {
    const int frequencyHz = XToFrequency(pointer.x, plot_);
    const double levelDb =
        current().response[static_cast<std::size_t>(NearestGridIndex(frequencyHz))];
    return ReadoutText(frequencyHz, levelDb);
}

void ResponseGraph::UpdateReadout(std::optional<PlotPoint> pointer) {
    if (pointer == pointer_) {
        return;
    }
    pointer_ = pointer;
    update(ReadoutRect(plot_));
}

// ---- Input ----

void ResponseGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const PlotPoint pointer = ToPlotPoint(event->position());
    const GraphGrab grab = NextGrab(pointer);
    pressPoint_ = pointer;
    lastGrab_ = grab;
    lastDragPoint_ = pointer;  // a press alone changes nothing
    drag_ = grab.target;
    if (grab.band >= 0) {
        SelectBand(grab.band);
    } else if (drag_ == DragTarget::None) {
        SelectBand(NearestBand(current(), pointer.x, plot_));
    }
    if (drag_ != DragTarget::None) {
        editor_.BeginGesture();  // the whole drag is one undo step
    }
    event->accept();
}

GraphGrab ResponseGraph::NextGrab(PlotPoint pointer) const {
    const std::vector<GraphGrab> grabs = GrabsAt(current(), band_, pointer, plot_);
    if (grabs.empty()) {
        return {};
    }
    constexpr int kSameSpotPx = 2;
    const bool sameSpot = pressPoint_ && std::abs(pressPoint_->x - pointer.x) <= kSameSpotPx &&
                          std::abs(pressPoint_->y - pointer.y) <= kSameSpotPx;
    const auto previous = std::find(grabs.begin(), grabs.end(), lastGrab_);
    if (!sameSpot || previous == grabs.end()) {
        return grabs.front();
    }
    return std::next(previous) == grabs.end() ? grabs.front() : *std::next(previous);
}

void ResponseGraph::mouseMoveEvent(QMouseEvent* event) {
    const PlotPoint pointer = ToPlotPoint(event->position());
    if (drag_ != DragTarget::None && (event->buttons() & Qt::LeftButton)) {
        ApplyDrag(pointer);
    }
    UpdateReadout(InsidePlot(pointer, plot_) ? std::optional{pointer} : std::nullopt);
    event->accept();
}

void ResponseGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        EndDrag();
    }
    event->accept();
}

void ResponseGraph::EndDrag() {
    drag_ = DragTarget::None;
    lastDragPoint_.reset();
    editor_.EndGesture();
}

void ResponseGraph::focusOutEvent(QFocusEvent* event) {
    // A held key ends with the focus; a drag goes on until its release.
    if (drag_ == DragTarget::None) {
        editor_.EndGesture();
    }
    QWidget::focusOutEvent(event);
}

void ResponseGraph::leaveEvent(QEvent* event) {
    UpdateReadout(std::nullopt);
    QWidget::leaveEvent(event);
}

void ResponseGraph::ApplyDrag(PlotPoint pointer) {
    if (lastDragPoint_ == pointer) {
        return;
    }
    // High-pass and low-pass on one spot: left lowers the high-pass, right raises the low-pass,
    // so neither holds the other in place.
    if (drag_ == DragTarget::CrossoverPair && pressPoint_) {
        if (pointer.x == pressPoint_->x) {
            return;
        }
        drag_ = pointer.x < pressPoint_->x ? DragTarget::HighPass : DragTarget::LowPass;
    }
    lastDragPoint_ = pointer;
    const PlotValue value = PointerValue(pointer, plot_);
    switch (drag_) {
        case DragTarget::BandPoint:
            editor_.DragBandPoint(channel_, band_, value.frequencyHz, value.gainDb);
            break;
        case DragTarget::LowerHandle:
            editor_.DragBandwidth(channel_, band_, BandwidthHandle::Lower, value.frequencyHz);
            break;
        case DragTarget::UpperHandle:
            editor_.DragBandwidth(channel_, band_, BandwidthHandle::Upper, value.frequencyHz);
            break;
        case DragTarget::HighPass:
            editor_.DragCrossover(channel_, CrossoverFilter::HighPass, value.frequencyHz);
            break;
        case DragTarget::LowPass:
            editor_.DragCrossover(channel_, CrossoverFilter::LowPass, value.frequencyHz);
            break;
        case DragTarget::CrossoverPair:
        case DragTarget::None:
            return;
    }
    emit Edited();  // the session's change event redraws the graph
}

void ResponseGraph::wheelEvent(QWheelEvent* event) {
    // Some platforms turn a Shift+wheel into a horizontal scroll.
    const QPoint angle = event->angleDelta();
    wheelRemainder_ += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    if (notches != 0) {
        if (event->modifiers() & Qt::ShiftModifier) {
            StepBandwidth(notches);
        } else {
            StepGain(notches);
        }
    }
    event->accept();
}

void ResponseGraph::keyPressEvent(QKeyEvent* event) {
    if (IsGainKey(event->key())) {
        editor_.BeginGesture();  // a held key is one undo step
    }
    switch (event->key()) {
        case Qt::Key_Left:
            SelectBand(band_ - 1);
            break;
        case Qt::Key_Right:
            SelectBand(band_ + 1);
            break;
        case Qt::Key_Up:
            StepGain(1);
            break;
        case Qt::Key_Down:
            StepGain(-1);
            break;
        case Qt::Key_PageUp:
            StepGain(kPageGainSteps);
            break;
        case Qt::Key_PageDown:
            StepGain(-kPageGainSteps);
            break;
        default:
            // Enter, Esc and Ctrl+S belong to the window's keyboard rules.
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void ResponseGraph::keyReleaseEvent(QKeyEvent* event) {
    if (IsGainKey(event->key()) && !event->isAutoRepeat() && drag_ == DragTarget::None) {
        editor_.EndGesture();
    }
    QWidget::keyReleaseEvent(event);
}

// One gain step is one gain code, 0.1 dB.
void ResponseGraph::StepGain(int gainSteps) {
    const int gainCode = std::clamp(currentBandView().gainCode + gainSteps, 0, kBandGainCodeMax);
    if (gainCode == currentBandView().gainCode) {
        return;
    }
    editor_.SetBandGainPosition(channel_, band_, gainCode);
    emit Edited();
}

// A higher Q is a narrower band: a step up in Q is a step down in bandwidth index.
void ResponseGraph::StepBandwidth(int qSteps) {
    const BandView& band = currentBandView();
    if (static_cast<FilterType>(band.type) != FilterType::Peaking) {
        return;  // shelves have a slope, not a Q
    }
    const int index = std::clamp(band.bandwidthIndex - qSteps, 0, kBandwidthIndexMax);
    if (index == band.bandwidthIndex) {
        return;
    }
    editor_.SetBandBandwidthIndex(channel_, band_, index);
    emit Edited();
}

void ResponseGraph::ApplyLanguage() {
    setAccessibleName(ToQString(AccessibleNameText().In(language_)));
    setToolTip(ToQString(ToolTipText().In(language_)));
    overlayKey_ = {ToQString(Tr("Page", "Measured").In(language_)),
                   ToQString(Tr("Page", "Target").In(language_)),
                   ToQString(Tr("Page", "Predicted").In(language_))};
}

}  // namespace corva::pages
