// A narrow vertical fader drawn by the program: a groove with a mark at its middle and a flat
// handle. Dragging the handle moves it, a press on the groove jumps there, and the keyboard
// and the wheel step it (Up/Down by the single step, Page Up/Down by the page step). The wheel
// moves it only while it has the focus, so scrolling over a page never edits. A pull with the
// mouse or a held key is one gesture, opened on the press and closed on the release.
#pragma once

#include <QAbstractSlider>

class QPainter;
#include <QPixmap>
#include <QString>
#include <utility>
#include <vector>

#include "controls/RoundedFace.h"

namespace corva::controls {

class VerticalFader : public QAbstractSlider {
    Q_OBJECT

public:
    explicit VerticalFader(QWidget* parent = nullptr);

    // Labels drawn left of the groove at their values ("+20", "0", "-20" dB), so a level reads
    // at a glance; the fader grows by the widest label.
    using ScaleMark = std::pair<int, QString>;
    void SetScale(std::vector<ScaleMark> marks);

    QSize sizeHint() const override { return {22 + scaleWidthPx_, 120}; }
    QSize minimumSizeHint() const override { return {16 + scaleWidthPx_, 48}; }

    // The y of the handle's centre at `value`, for scales drawn beside the fader.
    double CentreOf(int value) const;

signals:
    void GestureStarted();
    void GestureFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void sliderChange(SliderChange change) override;

private:
    // The span the handle's centre travels along, top (maximum) to bottom (minimum).
    double TravelTop() const;
    double TravelBottom() const;
    int ValueAt(double centreY) const;
    QRectF HandleRect() const;
    int MeasureScaleWidth() const;
    void PaintStaticLayer(QPainter& painter) const;
    void StartGesture();
    void FinishGesture();

    double grabOffset_ = 0.0;  // pointer minus handle centre while dragging
    bool gestureOpen_ = false;
    std::vector<ScaleMark> scale_;
    // The widest label plus its gap, measured when the scale or the font changes: every paint
    // and every size hint needs it.
    int scaleWidthPx_ = 0;
    // The scale, the groove and the middle mark, redrawn only when the size, the resolution,
    // the font or the scale change: a step of the value repaints the handle alone.
    QPixmap staticLayer_;
    RoundedFace handleFace_;
};

}  // namespace corva::controls
