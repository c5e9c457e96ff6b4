#include "controls/FlatButton.h"

#include <QPainter>

#include "controls/ControlColours.h"

namespace corva::controls {
namespace {

constexpr int kFlatPaddingX = 14;
constexpr int kFlatHeight = 30;
constexpr qreal kFlatRadius = 6.0;

}  // namespace

FlatButton::FlatButton(ButtonTone tone, QWidget* parent) : QAbstractButton(parent), tone_{tone} {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

QSize FlatButton::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return {textWidth + 2 * kFlatPaddingX, kFlatHeight};
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool hovered = underMouse() && isEnabled();
    const bool pressed = isDown() || isChecked();

    QColor fill = Qt::transparent;
    QColor border = Qt::transparent;
    QColor ink = colour::kInk;
    switch (tone_) {
        case ButtonTone::Quiet:
            if (pressed) {
                fill = QColor(210, 213, 232);
            } else if (hovered) {
                fill = QColor(225, 227, 240);
            }
            if (isChecked()) {
                ink = colour::kAccent;
            }
            break;
        case ButtonTone::Raised:
            fill = pressed ? QColor(226, 228, 242) : hovered ? QColor(246, 247, 252) : Qt::white;
            border = hovered ? colour::kAccent.lighter(150) : colour::kBorder;
            break;
        case ButtonTone::Accent:
            fill = pressed   ? colour::kAccent.darker(115)
                   : hovered ? colour::kAccent.lighter(112)
                             : colour::kAccent;
            ink = Qt::white;
            break;
    }
    if (!isEnabled()) {
        fill = tone_ == ButtonTone::Quiet ? QColor(Qt::transparent) : QColor(232, 233, 240);
        border = tone_ == ButtonTone::Quiet ? QColor(Qt::transparent) : colour::kBorder;
        ink = QColor(150, 153, 170);
    }
    painter.setPen(border.alpha() ? QPen(border, 1.0) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, kFlatRadius, kFlatRadius);

    // The focus is drawn only once the keyboard has moved it, not after a click.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(colour::kAccent, 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), kFlatRadius - 2, kFlatRadius - 2);
    }
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace corva::controls
