#include "controls/PresetButton.h"

#include <QPainter>
#include <QPainterPath>

#include "controls/ControlColours.h"

namespace corva::controls {
namespace {
constexpr qreal kPresetRadius = 8.0;
}

PresetButton::PresetButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

void PresetButton::SetLook(PresetLook look) {
    if (look_ != look) {
        look_ = look;
        update();
    }
}

void PresetButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5);
    const bool hovered = underMouse() && isEnabled();
    const bool pressed = isDown();
    const bool named = look_ == PresetLook::Named;

    if (named) {
        QLinearGradient fill(face.topLeft(), face.bottomLeft());
        const QColor top = pressed ? colour::kAccent.darker(120) : colour::kAccent.lighter(150);
        fill.setColorAt(0.0, hovered ? top.lighter(112) : top);
        fill.setColorAt(1.0, pressed ? colour::kAccent.darker(140) : colour::kAccent);
        painter.setPen(QPen(QColor(200, 210, 245), 1.0));
        painter.setBrush(fill);
    } else {
        painter.setPen(
            QPen(hovered ? QColor(200, 210, 245) : QColor(120, 136, 170), 1.2, Qt::DashLine));
        painter.setBrush(pressed ? QColor(60, 80, 125) : QColor(44, 64, 106));
    }
    painter.drawRoundedRect(face, kPresetRadius, kPresetRadius);

    // A named preset shows a small response curve; an empty one a plus sign.
    const QPointF centre = face.center();
    const qreal s = face.width();
    painter.setBrush(Qt::NoBrush);
    if (named) {
        QPainterPath curve;
        curve.moveTo(centre.x() - s * 0.32, centre.y() + s * 0.10);
        curve.cubicTo(centre.x() - s * 0.10, centre.y() + s * 0.10, centre.x() - s * 0.10,
                      centre.y() - s * 0.22, centre.x() + 0.0, centre.y() - s * 0.22);
        curve.cubicTo(centre.x() + s * 0.12, centre.y() - s * 0.22, centre.x() + s * 0.10,
                      centre.y() + s * 0.16, centre.x() + s * 0.32, centre.y() + s * 0.16);
        painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(curve);
    } else {
        painter.setPen(QPen(QColor(150, 164, 196), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(centre.x() - s * 0.14, centre.y()),
                         QPointF(centre.x() + s * 0.14, centre.y()));
        painter.drawLine(QPointF(centre.x(), centre.y() - s * 0.14),
                         QPointF(centre.x(), centre.y() + s * 0.14));
    }
    if (hasFocus()) {
        painter.setPen(QPen(QColor(255, 214, 102), 1.6));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kPresetRadius + 2,
                                kPresetRadius + 2);
    }
}

}  // namespace corva::controls
