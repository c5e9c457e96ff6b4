#include "controls/ValueField.h"

#include <algorithm>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include "controls/ControlColours.h"

namespace corva::controls {
namespace {
constexpr int kEighthsPerNotch = 120;  // QWheelEvent::angleDelta units of one wheel notch
constexpr int kHeight = 20;
}  // namespace

ValueField::ValueField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    // No style frame: its padding would take a third of a narrow column. The border is drawn
    // in paintEvent instead (a style sheet would also stop the parent's font from reaching it).
    setFrame(false);
    setTextMargins(1, 0, 1, 0);
}

void ValueField::SetSteps(double fineStep, double coarseStep) {
    fineStep_ = fineStep;
    coarseStep_ = coarseStep;
}

void ValueField::SetRange(double lowest, double highest) {
    lowest_ = std::min(lowest, highest);
    highest_ = std::max(lowest, highest);
}

void ValueField::ShowValue(double value, const QString& text) {
    const bool typing = hasFocus() && this->text() != shownText_;
    value_ = value;
    shownText_ = text;
    if (!typing) {
        setText(text);
        setCursorPosition(0);
    }
}

QSize ValueField::sizeHint() const {
    return {fontMetrics().horizontalAdvance(shownText_) + 6, kHeight};
}

QSize ValueField::minimumSizeHint() const {
    return {16, kHeight};
}

void ValueField::Commit() {
    if (text() == shownText_) {
        return;
    }
    // Taken as shown until the owner answers, so Enter followed by a focus change commits once.
    shownText_ = text();
    emit TextCommitted(shownText_);
}

void ValueField::Step(double delta) {
    const double stepped = std::clamp(value_ + delta, lowest_, highest_);
    if (stepped == value_) {
        return;
    }
    setText(shownText_);  // a step replaces text that was typed but not committed
    emit ValueStepped(stepped);
}

void ValueField::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(hasFocus() ? colour::kAccent : colour::kBorder, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
}

void ValueField::keyPressEvent(QKeyEvent* event) {
    const bool coarse = (event->modifiers() & Qt::ControlModifier) != 0;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Commit();
            event->accept();
            return;
        case Qt::Key_Escape:
            RestoreShownValue();
            event->accept();
            return;
        case Qt::Key_Up:
            Step(coarse ? coarseStep_ : fineStep_);
            event->accept();
            return;
        case Qt::Key_Down:
            Step(coarse ? -coarseStep_ : -fineStep_);
            event->accept();
            return;
        case Qt::Key_PageUp:
            Step(coarseStep_);
            event->accept();
            return;
        case Qt::Key_PageDown:
            Step(-coarseStep_);
            event->accept();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void ValueField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu borrows the focus; the edit goes on.
    if (event->reason() != Qt::PopupFocusReason) {
        Commit();
    }
}

void ValueField::wheelEvent(QWheelEvent* event) {
    wheelEighths_ += event->angleDelta().y();
    const int notches = wheelEighths_ / kEighthsPerNotch;
    wheelEighths_ -= notches * kEighthsPerNotch;
    if (notches != 0) {
        const bool coarse = (event->modifiers() & Qt::ControlModifier) != 0;
        Step(notches * (coarse ? coarseStep_ : fineStep_));
    }
    event->accept();
}

void ValueField::RestoreShownValue() {
    setText(shownText_);
    setCursorPosition(0);
}

}  // namespace corva::controls
