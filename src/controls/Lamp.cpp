#include "controls/Lamp.h"

#include <algorithm>

#include <QPainter>
#include <QRadialGradient>

namespace corva::controls {
namespace {

QColor LampColour(LampState state) {
    switch (state) {
        case LampState::On:
            return {46, 184, 114};
        case LampState::Waiting:
            return {240, 166, 38};
        case LampState::Off:
            break;
    }
    return {160, 164, 184};
}

}  // namespace

void PaintLamp(QPainter& painter, const QRectF& rect, LampState state) {
    const QColor colour = LampColour(state);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (state != LampState::Off) {
        // A soft halo so a lit lamp reads as lit even at this size.
        QColor halo = colour;
        halo.setAlpha(60);
        painter.setPen(Qt::NoPen);
        painter.setBrush(halo);
        painter.drawEllipse(rect);
    }
    const QRectF core = rect.adjusted(rect.width() * 0.2, rect.height() * 0.2, -rect.width() * 0.2,
                                      -rect.height() * 0.2);
    QRadialGradient shine(core.center() - QPointF(core.width() * 0.15, core.height() * 0.15),
                          core.width() * 0.6);
    shine.setColorAt(0.0, colour.lighter(135));
    shine.setColorAt(1.0, colour);
    painter.setPen(QPen(colour.darker(125), 1.0));
    painter.setBrush(shine);
    painter.drawEllipse(core);
    painter.restore();
}

Lamp::Lamp(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Lamp::SetState(LampState state) {
    if (state_ != state) {
        state_ = state;
        update();
    }
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal side = std::min(width(), height());
    PaintLamp(painter, QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side), state_);
}

}  // namespace corva::controls
