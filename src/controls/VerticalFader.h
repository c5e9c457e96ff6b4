// A narrow vertical fader drawn by the program: a groove with a mark at its middle and a flat
// handle. Dragging the handle moves it, a press on the groove jumps there, and the keyboard
// and the wheel step it (Up/Down by the single step, Page Up/Down by the page step). The wheel
// moves it only while it has the focus, so scrolling over a page never edits. A pull with the
// mouse or a held key is one gesture, opened on the press and closed on the release.
#pragma once

#include <QAbstractSlider>
#include <QString>
#include <utility>
#include <vector>

namespace corva::controls {

class VerticalFader : public QAbstractSlider {
    Q_OBJECT

public:
    explicit VerticalFader(QWidget* parent = nullptr);

    // Labels drawn left of the groove at their values ("+20", "0", "-20" dB), so a level reads
    // at a glance; the fader grows by the widest label.
    using ScaleMark = std::pair<int, QString>;
    void SetScale(std::vector<ScaleMark> marks);

    QSize sizeHint() const override { return {22 + ScaleWidth(), 120}; }
    QSize minimumSizeHint() const override { return {16 + ScaleWidth(), 48}; }

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

private:
    // The span the handle's centre travels along, top (maximum) to bottom (minimum).
    double TravelTop() const;
    double TravelBottom() const;
    double CentreOf(int value) const;
    int ValueAt(double centreY) const;
    QRectF HandleRect() const;
    int ScaleWidth() const;
    void StartGesture();
    void FinishGesture();

    double grabOffset_ = 0.0;  // pointer minus handle centre while dragging
    bool gestureOpen_ = false;
    std::vector<ScaleMark> scale_;
};

}  // namespace corva::controls
