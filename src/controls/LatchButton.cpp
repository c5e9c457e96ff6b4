#include "controls/LatchButton.h"

#include <cmath>

#include <QPainter>

#include "controls/ControlColours.h"

namespace corva::controls {
namespace {
constexpr int kLatchPaddingX = 8;
constexpr int kLatchHeight = 20;
}  // namespace

LatchButton::LatchButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LatchButton::SetQuietWhenOn(bool quiet) {
    quietWhenOn_ = quiet;
    update();
}

const QStaticText& LatchButton::Label() const {
    if (labelText_ != text() || labelFont_ != font()) {
        labelText_ = text();
        labelFont_ = font();
        label_.setTextFormat(Qt::PlainText);
        label_.setText(labelText_);
        label_.prepare(QTransform(), labelFont_);
    }
    return label_;
}

QSize LatchButton::sizeHint() const {
    return {static_cast<int>(std::ceil(Label().size().width())) + 2 * kLatchPaddingX, kLatchHeight};
}

void LatchButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool hovered = underMouse() && isEnabled();
    QColor fill = Qt::white;
    QColor border = hovered ? colour::kAccent.lighter(150) : colour::kBorder;
    QColor ink{38, 43, 66};
    if (quietWhenOn_) {
        if (isChecked()) {
            fill = QColor(238, 239, 244);
            ink = QColor(150, 153, 170);
        } else {
            border = hovered ? colour::kAccent.lighter(130) : colour::kAccent;
            ink = colour::kAccent;
        }
    } else if (isChecked()) {
        fill = hovered ? colour::kAccent.lighter(112) : colour::kAccent;
        border = fill;
        ink = Qt::white;
    }
    if (!isEnabled()) {
        fill = isChecked() ? QColor(170, 173, 190) : QColor(232, 233, 240);
        border = colour::kBorder;
        ink = isChecked() ? QColor(Qt::white) : QColor(150, 153, 170);
    }
    face_.Paint(painter, face, QPen(border, 1.0), fill, 3.0);
    // The focus is drawn only once the keyboard has moved it, not after a click.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        const bool filled = isChecked() && !quietWhenOn_;
        painter.setPen(QPen(filled ? QColor(Qt::white) : colour::kAccent, 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), 2.0, 2.0);
    }
    // The text is laid out once per text and font, not on every paint.
    painter.setPen(ink);
    const QStaticText& label = Label();
    painter.drawStaticText(
        QPointF((width() - label.size().width()) / 2.0, (height() - label.size().height()) / 2.0),
        label);
}

}  // namespace corva::controls
