#include "controls/TwoStateSwitch.h"

#include <algorithm>

#include <QPainter>

#include "controls/ControlColours.h"

namespace corva::controls {
namespace {
constexpr int kSegmentPadding = 16;
constexpr int kTwoStateSwitchHeight = 30;
}  // namespace

TwoStateSwitch::TwoStateSwitch(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void TwoStateSwitch::SetLabels(const QString& left, const QString& right) {
    left_ = left;
    right_ = right;
    updateGeometry();
    update();
}

QSize TwoStateSwitch::sizeHint() const {
    const int segment =
        std::max(fontMetrics().horizontalAdvance(left_), fontMetrics().horizontalAdvance(right_)) +
        2 * kSegmentPadding;
    return {2 * segment + 4, kTwoStateSwitchHeight};
}

void TwoStateSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = track.height() / 2.0;
    painter.setPen(QPen(underMouse() ? colour::kAccent.lighter(150) : QColor(196, 199, 216), 1.0));
    painter.setBrush(QColor(240, 241, 248));
    painter.drawRoundedRect(track, radius, radius);

    const qreal half = track.width() / 2.0;
    const QRectF leftRect(track.left(), track.top(), half, track.height());
    const QRectF rightRect(track.left() + half, track.top(), half, track.height());
    const QRectF lit = (isChecked() ? rightRect : leftRect).adjusted(2, 2, -2, -2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? colour::kAccent : QColor(170, 173, 190));
    painter.drawRoundedRect(lit, lit.height() / 2.0, lit.height() / 2.0);

    const QColor quiet(90, 95, 120);
    painter.setPen(isChecked() ? quiet : QColor(Qt::white));
    painter.drawText(leftRect, Qt::AlignCenter, left_);
    painter.setPen(isChecked() ? QColor(Qt::white) : quiet);
    painter.drawText(rightRect, Qt::AlignCenter, right_);

    // The focus is drawn only once the keyboard has moved it, not after a click.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(colour::kAccent, 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
}

}  // namespace corva::controls
