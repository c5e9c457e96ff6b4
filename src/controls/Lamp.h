// A round indicator lamp: off, waiting (amber) or on (green).
#pragma once

#include <QWidget>

class QPainter;

namespace corva::controls {

enum class LampState { Off, Waiting, On };

// Paints the lamp into `rect` of any widget, so buttons can carry one without a child widget.
void PaintLamp(QPainter& painter, const QRectF& rect, LampState state);

class Lamp : public QWidget {
    Q_OBJECT

public:
    explicit Lamp(QWidget* parent = nullptr);

    void SetState(LampState state);
    LampState state() const { return state_; }
    QSize sizeHint() const override { return {14, 14}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LampState state_ = LampState::Off;
};

}  // namespace corva::controls
