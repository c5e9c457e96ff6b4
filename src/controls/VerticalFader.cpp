#include "controls/VerticalFader.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/ControlColours.h"
#include "controls/PixelFont.h"

namespace corva::controls {
namespace {
constexpr double kHandleHeight = 10.0;
constexpr double kGrooveWidth = 4.0;
constexpr int kScaleFontPx = 8;
constexpr int kScaleGapPx = 2;
}  // namespace

VerticalFader::VerticalFader(QWidget* parent) : QAbstractSlider(parent) {
    setOrientation(Qt::Vertical);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void VerticalFader::SetScale(std::vector<ScaleMark> marks) {
    scale_ = std::move(marks);
    scaleWidthPx_ = MeasureScaleWidth();
    staticLayer_ = QPixmap();
    updateGeometry();
    update();
}

int VerticalFader::MeasureScaleWidth() const {
    if (scale_.empty()) {
        return 0;
    }
    const QFontMetrics metrics(WithPixelSize(font(), kScaleFontPx));
    int widest = 0;
    for (const auto& [value, label] : scale_) {
        widest = std::max(widest, metrics.horizontalAdvance(label));
    }
    return widest + kScaleGapPx;
}

double VerticalFader::TravelTop() const {
    return kHandleHeight / 2.0 + 1.0;
}

double VerticalFader::TravelBottom() const {
    return height() - kHandleHeight / 2.0 - 1.0;
}

double VerticalFader::CentreOf(int value) const {
    const int span = std::max(1, maximum() - minimum());
    const double share = static_cast<double>(value - minimum()) / span;
    return TravelBottom() - share * (TravelBottom() - TravelTop());
}

int VerticalFader::ValueAt(double centreY) const {
    const double travel = std::max(1.0, TravelBottom() - TravelTop());
    const double share = std::clamp((TravelBottom() - centreY) / travel, 0.0, 1.0);
    return minimum() + static_cast<int>(std::lround(share * (maximum() - minimum())));
}

QRectF VerticalFader::HandleRect() const {
    const double centre = CentreOf(sliderPosition());
    const double left = scaleWidthPx_ + 1.0;
    return {left, centre - kHandleHeight / 2.0, width() - left - 1.0, kHandleHeight};
}

void VerticalFader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (staticLayer_.isNull() || staticLayer_.devicePixelRatio() != ratio ||
        staticLayer_.deviceIndependentSize().toSize() != size()) {
        staticLayer_ = QPixmap(size() * ratio);
        staticLayer_.setDevicePixelRatio(ratio);
        staticLayer_.fill(Qt::transparent);
        QPainter layer(&staticLayer_);
        PaintStaticLayer(layer);
    }
    painter.drawPixmap(0, 0, staticLayer_);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF handle = HandleRect().adjusted(0.5, 0.5, -0.5, -0.5);
    const bool lit = isSliderDown() || underMouse();
    handleFace_.Paint(painter, handle, QPen(isEnabled() ? colour::kAccent : colour::kBorder, 1.0),
                      !isEnabled() ? QColor(232, 233, 240)
                      : lit        ? QColor(226, 228, 242)
                                   : QColor(Qt::white),
                      2.5);
    painter.setPen(QPen(isEnabled() ? colour::kAccent : colour::kBorder, 1.0));
    painter.drawLine(QPointF(handle.left() + 3.0, handle.center().y()),
                     QPointF(handle.right() - 3.0, handle.center().y()));

    // The focus is drawn only once the keyboard has moved it, not after a click.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(colour::kAccent, 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void VerticalFader::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) {
        staticLayer_ = QPixmap();
    }
    if (event->type() == QEvent::FontChange && !scale_.empty()) {
        scaleWidthPx_ = MeasureScaleWidth();
    }
    QAbstractSlider::changeEvent(event);
}

void VerticalFader::sliderChange(SliderChange change) {
    if (change == SliderRangeChange) {
        staticLayer_ = QPixmap();
    }
    QAbstractSlider::sliderChange(change);
}

void VerticalFader::PaintStaticLayer(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const int scaleWidth = scaleWidthPx_;
    const double middleX = scaleWidth + (width() - scaleWidth) / 2.0;
    if (!scale_.empty()) {
        painter.setFont(WithPixelSize(font(), kScaleFontPx));
        painter.setPen(QColor(120, 124, 146));
        const int lineHeight = painter.fontMetrics().height();
        for (const auto& [value, label] : scale_) {
            const double y = CentreOf(value);
            painter.drawText(
                QRectF(0.0, y - lineHeight / 2.0, scaleWidth - kScaleGapPx, lineHeight),
                Qt::AlignRight | Qt::AlignVCenter, label);
        }
    }
    const QRectF groove(middleX - kGrooveWidth / 2.0, TravelTop(), kGrooveWidth,
                        TravelBottom() - TravelTop());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::kBorder);
    painter.drawRoundedRect(groove, 2.0, 2.0);

    // The middle of the range (0 dB on a gain fader) gets a short mark on both sides.
    const double middleY = CentreOf(minimum() + (maximum() - minimum()) / 2);
    painter.setPen(QPen(QColor(150, 155, 180), 1.0));
    painter.drawLine(QPointF(scaleWidth + 2.0, middleY), QPointF(width() - 2.0, middleY));
}

void VerticalFader::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const double y = event->position().y();
    const QRectF handle = HandleRect();
    // On the handle it is picked up where it was grabbed; elsewhere it jumps to the pointer.
    grabOffset_ = handle.contains(QPointF(handle.center().x(), y)) ? y - handle.center().y() : 0.0;
    StartGesture();
    setSliderDown(true);
    setSliderPosition(ValueAt(y - grabOffset_));
    triggerAction(SliderMove);
    event->accept();
}

void VerticalFader::mouseMoveEvent(QMouseEvent* event) {
    if (!isSliderDown()) {
        event->ignore();
        return;
    }
    setSliderPosition(ValueAt(event->position().y() - grabOffset_));
    triggerAction(SliderMove);
    event->accept();
}

void VerticalFader::mouseReleaseEvent(QMouseEvent* event) {
    if (!isSliderDown()) {
        event->ignore();
        return;
    }
    setSliderDown(false);
    FinishGesture();
    event->accept();
}

void VerticalFader::StartGesture() {
    if (!gestureOpen_) {
        gestureOpen_ = true;
        emit GestureStarted();
    }
}

void VerticalFader::FinishGesture() {
    if (gestureOpen_) {
        gestureOpen_ = false;
        emit GestureFinished();
    }
}

void VerticalFader::keyPressEvent(QKeyEvent* event) {
    StartGesture();
    QAbstractSlider::keyPressEvent(event);
}

void VerticalFader::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && !isSliderDown()) {
        FinishGesture();
    }
    QAbstractSlider::keyReleaseEvent(event);
}

void VerticalFader::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QAbstractSlider::wheelEvent(event);
}

// A pull or a held key that loses the fader on the way still ends its gesture.
void VerticalFader::focusOutEvent(QFocusEvent* event) {
    if (!isSliderDown()) {
        FinishGesture();
    }
    QAbstractSlider::focusOutEvent(event);
}

void VerticalFader::hideEvent(QHideEvent* event) {
    setSliderDown(false);
    FinishGesture();
    QAbstractSlider::hideEvent(event);
}

}  // namespace corva::controls
