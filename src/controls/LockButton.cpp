#include "controls/LockButton.h"

#include <QPainter>
#include <QPainterPath>

#include "controls/ControlColours.h"

namespace corva::controls {
namespace {

constexpr int kLockPaddingX = 10;
constexpr int kGlyphWidth = 14;
constexpr int kGap = 6;
constexpr int kLockHeight = 30;
constexpr qreal kLockRadius = 6.0;
const QColor kLockedInk{186, 46, 52};
const QColor kLockedFill{252, 232, 232};

// A padlock in `box`: the body below, the shackle above, swung open to the right when open.
void DrawPadlock(QPainter& painter, const QRectF& box, bool closed, const QColor& ink) {
    const QRectF body(box.left(), box.top() + box.height() * 0.45, box.width(),
                      box.height() * 0.55);
    const qreal shackleWidth = box.width() * 0.64;
    const qreal shackleLeft = box.left() + (box.width() - shackleWidth) / 2;
    const qreal radius = shackleWidth / 2;
    const qreal archTop = box.top() - (closed ? 0 : box.height() * 0.18);
    QPainterPath shackle;
    shackle.moveTo(shackleLeft, body.top());
    shackle.lineTo(shackleLeft, archTop + radius);
    shackle.arcTo(QRectF(shackleLeft, archTop, shackleWidth, shackleWidth), 180, -180);
    shackle.lineTo(shackleLeft + shackleWidth,
                   closed ? body.top() : archTop + radius + box.height() * 0.1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(shackle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRoundedRect(body, 2, 2);
}

}  // namespace

LockButton::LockButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void LockButton::SetLocked(bool locked) {
    locked_ = locked;
    update();
}

QSize LockButton::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return {2 * kLockPaddingX + kGlyphWidth + kGap + textWidth, kLockHeight};
}

void LockButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool hovered = underMouse() && isEnabled();
    QColor fill = locked_ ? kLockedFill : QColor(Qt::transparent);
    if (isDown()) {
        fill = QColor(210, 213, 232);
    } else if (hovered) {
        fill = locked_ ? kLockedFill.darker(106) : QColor(225, 227, 240);
    }
    const QColor ink = !isEnabled() ? QColor(150, 153, 170)
                       : locked_    ? kLockedInk
                                    : colour::kInk.lighter(160);
    painter.setPen(locked_ ? QPen(kLockedInk.lighter(150), 1.0) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, kLockRadius, kLockRadius);

    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(colour::kAccent, 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), kLockRadius - 2, kLockRadius - 2);
    }
    const QRectF glyph(kLockPaddingX, (height() - 16) / 2.0, kGlyphWidth, 16);
    DrawPadlock(painter, glyph, locked_, ink);
    painter.setPen(ink);
    painter.drawText(QRect(kLockPaddingX + kGlyphWidth + kGap, 0, width(), height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace corva::controls
