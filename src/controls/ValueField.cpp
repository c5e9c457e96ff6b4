#include "controls/ValueField.h"

#include <algorithm>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "controls/ControlColours.h"

namespace corva::controls {
namespace {
constexpr int kEighthsPerNotch = 120;  // QWheelEvent::angleDelta units of one wheel notch
constexpr int kValueFieldHeight = 20;

bool IsStepKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

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

void ValueField::SetStepRule(StepRule rule) {
    stepRule_ = std::move(rule);
}

void ValueField::SetRange(double lowest, double highest) {
    lowest_ = std::min(lowest, highest);
    highest_ = std::max(lowest, highest);
}

void ValueField::ShowValue(double value, const QString& text) {
    value_ = value;
    shownText_ = text;
    answered_ = true;
    if ((hasFocus() && isModified()) || this->text() == text) {
        return;  // the user is typing here, or nothing to change
    }
    setText(text);
    // The next key typed into a focused field replaces the value instead of joining it.
    if (hasFocus()) {
        selectAll();
    } else {
        setCursorPosition(0);
    }
}

QSize ValueField::sizeHint() const {
    // Layouts ask often; the text's width is measured once per text and font.
    if (hintText_ != shownText_ || hintFont_ != font()) {
        hintText_ = shownText_;
        hintFont_ = font();
        hintWidth_ = fontMetrics().horizontalAdvance(shownText_) + 6;
    }
    return {hintWidth_, kValueFieldHeight};
}

QSize ValueField::minimumSizeHint() const {
    return {16, kValueFieldHeight};
}

void ValueField::Commit() {
    if (!isModified() || text() == shownText_) {
        return;
    }
    const QString typed = text();
    // Not typing any more, so Enter followed by a focus change commits once and the owner's
    // answer reaches the text.
    setModified(false);
    answered_ = false;
    emit TextCommitted(typed);
    if (!answered_) {
        // The owner applied nothing (no number): the old value stays, in the field too.
        RestoreShownValue();
    }
}

void ValueField::Step(int steps, bool coarse) {
    const double moved = stepRule_ ? stepRule_(value_, steps, coarse)
                                   : value_ + steps * (coarse ? coarseStep_ : fineStep_);
    const double stepped = std::clamp(moved, lowest_, highest_);
    if (isModified()) {
        RestoreShownValue();  // a step replaces text that was typed but not committed
    }
    if (stepped == value_) {
        return;
    }
    emit ValueStepped(stepped);
}

void ValueField::FinishGesture() {
    if (gestureOpen_) {
        gestureOpen_ = false;
        emit GestureFinished();
    }
}

void ValueField::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    frame_.Paint(painter, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5),
                 QPen(hasFocus() ? colour::kAccent : colour::kBorder, 1.0), Qt::NoBrush, 2.5);
}

void ValueField::keyPressEvent(QKeyEvent* event) {
    selectOnClick_ = false;  // the focus came without a click
    const int key = event->key();
    if (IsStepKey(key) && !gestureOpen_) {
        gestureOpen_ = true;
        emit GestureStarted();
    }
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    switch (key) {
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
            Step(1, ctrl);
            event->accept();
            return;
        case Qt::Key_Down:
            Step(-1, ctrl);
            event->accept();
            return;
        case Qt::Key_PageUp:
            Step(1, true);
            event->accept();
            return;
        case Qt::Key_PageDown:
            Step(-1, true);
            event->accept();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void ValueField::keyReleaseEvent(QKeyEvent* event) {
    if (IsStepKey(event->key()) && !event->isAutoRepeat()) {
        FinishGesture();
    }
    QLineEdit::keyReleaseEvent(event);
}

void ValueField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
        case Qt::PopupFocusReason:
        case Qt::ActiveWindowFocusReason:
            break;  // back from a menu or another window: the typing goes on as it was
        default:
            // Reached by Tab, a shortcut or a click: the whole text is selected, also when the
            // click that brought the focus goes on to place the cursor.
            selectAll();
            selectOnClick_ = true;
            break;
    }
}

void ValueField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnClick_) {
        selectAll();
    }
}

// The release of the click that brought the focus keeps the whole text selected, unless the
// pointer dragged a selection of its own.
void ValueField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnClick_) {
        selectOnClick_ = false;
        if (!hasSelectedText()) {
            selectAll();
        }
    }
}

void ValueField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    selectOnClick_ = false;
    FinishGesture();
    // A context menu borrows the focus; the edit goes on.
    if (event->reason() != Qt::PopupFocusReason) {
        Commit();
    }
}

// Only a focused field takes the wheel: scrolling over the page never edits a value.
void ValueField::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    wheelEighths_ += event->angleDelta().y();
    const int notches = wheelEighths_ / kEighthsPerNotch;
    wheelEighths_ -= notches * kEighthsPerNotch;
    if (notches != 0) {
        Step(notches, (event->modifiers() & Qt::ControlModifier) != 0);
    }
    event->accept();
}

void ValueField::RestoreShownValue() {
    setText(shownText_);
    if (hasFocus()) {
        selectAll();
    } else {
        setCursorPosition(0);
    }
}

}  // namespace corva::controls
