// The output response graph of the full interface page: the summed curves of all six output
// channels, the current channel's selected band and crossovers, edited by dragging, clicking,
// the mouse wheel and the keyboard through the edit API.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QPixmap>
#include <QPolygon>
#include <QString>
#include <QWidget>

#include "core/UiText.h"
#include "dsp/response/ResponseGrid.h"
#include "model/ChannelEditor.h"
#include "model/TuningSession.h"
#include "pages/GraphHitTest.h"
#include "pages/GraphPainter.h"
#include "pages/MeasuredCurves.h"

namespace corva::pages {

// Curves drawn with one channel: a measurement, a target and the predicted result. A preview
// replaces the channel's own response in the prediction (bands not applied yet).
struct MeasurementOverlay {
    std::optional<Response> measurement;  // on the response grid, as measured
    std::optional<Response> target;
    std::optional<Response> preview;
};

class ResponseGraph : public QWidget {
    Q_OBJECT

public:
    explicit ResponseGraph(TuningSession& session, QWidget* parent = nullptr);

    void SetCurrentChannel(int channel);
    // Selects a band without emitting BandSelected (the caller already knows).
    void SetCurrentBand(int band);
    void SetLanguage(UiLanguage language);
    // Names already decoded from the record's code page; an empty one shows the channel's
    // default name.
    void SetChannelNames(const std::array<QString, kOutputChannelCount>& names);

    int currentChannel() const { return channel_; }
    int currentBand() const { return band_; }
    PlotSize plotSize() const { return plot_; }
    const QString& legendName(int channel) const;

    // Shows or removes (nothing) a measurement with the channel; it is drawn while the channel
    // is the current one.
    void SetMeasurementOverlay(int channel, std::optional<MeasurementOverlay> overlay);
    const std::optional<MeasurementOverlay>& measurementOverlay(int channel) const {
        return overlays_.at(static_cast<std::size_t>(channel));
    }

    // Curves measured with the microphone, over every channel (an empty list removes them).
    void SetMeasuredCurves(std::vector<MeasuredCurve> curves);
    const std::vector<MeasuredCurve>& measuredCurves() const { return measured_; }

    QSize sizeHint() const override { return {1280, 330}; }
    QSize minimumSizeHint() const override { return {320, 160}; }

public slots:
    // Takes the values to draw; only what changed is redrawn.
    void Refresh(const TuningSnapshot& snapshot);
    void RefreshFromSession();

signals:
    // The user picked another band (click, Left or Right).
    void BandSelected(int band);
    // A drag, wheel or key edit went through (the page updates its crossover fields).
    void Edited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const OutputView& current() const { return outputs_[static_cast<std::size_t>(channel_)]; }
    const BandView& currentBandView() const;
    void SelectBand(int band);
    void ApplyDrag(PlotPoint pointer);
    // What a press at `pointer` grabs: the nearest marker, or the next one on the spot of the
    // previous press when that one was grabbed there.
    GraphGrab NextGrab(PlotPoint pointer) const;
    void EndDrag();
    void StepGain(int gainSteps);
    void StepBandwidth(int qSteps);
    void UpdateReadout(std::optional<PlotPoint> pointer);
    QString ReadoutFor(PlotPoint pointer) const;
    // Channels sharing the current channel's link group change with every edit of it, so
    // they are drawn live instead of into the cached layer.
    bool LinkedToCurrent(int channel) const;
    void RebuildCurves();
    void RebuildGridLayer();
    void RebuildBackLayer();
    void ApplyLanguage();
    void PaintOverlay(QPainter& painter) const;

    TuningSession& session_;
    ChannelEditor editor_;
    UiLanguage language_ = UiLanguage::English;
    int channel_ = 0;
    int band_ = 0;
    std::array<OutputView, kOutputChannelCount> outputs_{};
    std::array<QString, kOutputChannelCount> names_{};
    PlotSize plot_{};

    // Drawing caches: the grid (rebuilt on resize), the grid with the faint curves of the
    // channels outside the current link group and the legend (rebuilt when one of those
    // changes), and every channel's curve as points.
    QPixmap gridLayer_;
    QPixmap backLayer_;
    NumberedPointSprites pointSprites_;
    bool backLayerStale_ = true;
    QRect legend_;  // where the back layer put the legend, for the caption to keep clear of
    std::array<QPolygon, kOutputChannelCount> curves_{};
    std::array<std::optional<MeasurementOverlay>, kOutputChannelCount> overlays_{};
    OverlayKey overlayKey_;
    std::vector<MeasuredCurve> measured_;

    DragTarget drag_ = DragTarget::None;
    std::optional<PlotPoint> pressPoint_;  // where the last press was
    GraphGrab lastGrab_;                   // what it grabbed
    std::optional<PlotPoint> lastDragPoint_;
    std::optional<PlotPoint> pointer_;  // inside the plot, for the readout
    int wheelRemainder_ = 0;            // eighths of a degree not yet a whole notch
};

}  // namespace corva::pages
