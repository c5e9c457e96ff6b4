// A narrow vertical fader drawn by the program: a groove with a mark at its middle and a flat
// handle. Dragging the handle moves it, a press on the groove jumps there, and the keyboard
// and the wheel step it (Up/Down by the single step, Page Up/Down by the page step).
#pragma once

#include <QAbstractSlider>

namespace corva::controls {

class VerticalFader : public QAbstractSlider {
    Q_OBJECT

public:
    explicit VerticalFader(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {22, 120}; }
    QSize minimumSizeHint() const override { return {16, 48}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The span the handle's centre travels along, top (maximum) to bottom (minimum).
    double TravelTop() const;
    double TravelBottom() const;
    double CentreOf(int value) const;
    int ValueAt(double centreY) const;
    QRectF HandleRect() const;

    double grabOffset_ = 0.0;  // pointer minus handle centre while dragging
};

}  // namespace corva::controls
