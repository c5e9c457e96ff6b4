#include "controls/ConnectButton.h"

#include <QPainter>

namespace corva::controls {
namespace {
constexpr int kLampSide = 16;
constexpr int kPadding = 12;
constexpr int kConnectHeight = 32;
}  // namespace

ConnectButton::ConnectButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void ConnectButton::SetLamp(LampState state) {
    if (lamp_ != state) {
        lamp_ = state;
        update();
    }
}

QSize ConnectButton::sizeHint() const {
    return {kPadding + kLampSide + 8 + fontMetrics().horizontalAdvance(text()) + kPadding + 4,
            kConnectHeight};
}

void ConnectButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = face.height() / 2.0;
    const bool lit = lamp_ != LampState::Off;
    const bool hovered = underMouse() && isEnabled();

    QColor fill = lit ? QColor(232, 246, 238) : Qt::white;
    QColor border = lit ? QColor(150, 208, 176) : QColor(196, 199, 216);
    if (lamp_ == LampState::Waiting) {
        fill = QColor(252, 243, 224);
        border = QColor(232, 196, 128);
    }
    if (hovered) {
        fill = fill.darker(104);
    }
    if (isDown()) {
        fill = fill.darker(110);
    }
    painter.setPen(QPen(border, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, radius, radius);

    const QRectF lampRect(kPadding, (height() - kLampSide) / 2.0, kLampSide, kLampSide);
    PaintLamp(painter, lampRect, lamp_);

    painter.setPen(isEnabled() ? QColor(38, 43, 66) : QColor(150, 153, 170));
    const QRect textRect = rect().adjusted(kPadding + kLampSide + 8, 0, -kPadding, 0);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text());
}

}  // namespace corva::controls
