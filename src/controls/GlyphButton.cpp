#include "controls/GlyphButton.h"

#include <QEvent>
#include <QPainter>

namespace corva::controls {

GlyphButton::GlyphButton(Glyph glyph, QWidget* parent) : QAbstractButton(parent), glyph_{glyph} {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

bool GlyphButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange &&
        (accessibleName().isEmpty() || accessibleName() == nameFromTip_)) {
        nameFromTip_ = toolTip();
        setAccessibleName(nameFromTip_);
    }
    return QAbstractButton::event(event);
}

void GlyphButton::SetInk(const QColor& ink) {
    ink_ = ink;
    update();
}

void GlyphButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool hovered = underMouse() && isEnabled();
    QColor ink = isEnabled() ? ink_ : QColor(160, 163, 180);
    if (hovered || isDown()) {
        const QColor fill = glyph_ == Glyph::Close ? QColor(214, 64, 69)
                            : isDown()             ? QColor(210, 213, 232)
                                                   : QColor(225, 227, 240);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
        if (glyph_ == Glyph::Close) {
            ink = Qt::white;
        }
    }
    const QPointF c = QRectF(rect()).center();
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    switch (glyph_) {
        case Glyph::Minimise:
            painter.drawLine(c + QPointF(-6, 4), c + QPointF(6, 4));
            break;
        case Glyph::Close:
            painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
            break;
        case Glyph::More:
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            for (const qreal dx : {-6.0, 0.0, 6.0}) {
                painter.drawEllipse(c + QPointF(dx, 0), 1.8, 1.8);
            }
            break;
    }
}

}  // namespace corva::controls
