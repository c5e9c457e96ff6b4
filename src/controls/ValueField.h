// A one-line field for a number with its unit: shows the value its owner sets, lets the user
// type a new one (committed on Enter or when the focus leaves) and steps it with the mouse
// wheel and the arrow keys. The field applies no rule of its own: the owner turns the text or
// the stepped number into an edit and shows back the value that was applied.
//
// Typing is never disturbed: a field reached by Tab or a click selects its whole text, and a
// refresh leaves the text, selection and cursor of a focused field alone while the user types.
#pragma once

#include <functional>

#include <QFont>
#include <QLineEdit>

#include "controls/RoundedFace.h"

namespace corva::controls {

class ValueField : public QLineEdit {
    Q_OBJECT

public:
    // The value `steps` steps away from `value` (negative steps go down); `coarse` for Page
    // Up/Down and Ctrl. Frequencies step by fractions of an octave, most values linearly.
    using StepRule = std::function<double(double value, int steps, bool coarse)>;

    explicit ValueField(QWidget* parent = nullptr);

    // Up/Down and one wheel notch move by `fineStep`; Page Up/Down and Ctrl+wheel by
    // `coarseStep`. A negative step makes Up go down (a Q field stepping a bandwidth index).
    void SetSteps(double fineStep, double coarseStep);
    // Replaces the linear steps.
    void SetStepRule(StepRule rule);
    // Stepping stops at these ends; typed text is not checked here.
    void SetRange(double lowest, double highest);

    // Shows `text` for `value`. Text the user is typing right now is left alone; a focused
    // field that is not being typed in keeps its whole text selected.
    void ShowValue(double value, const QString& text);
    // Drops what the user typed and shows the value again (Escape).
    void RestoreShownValue();
    // Commits typed text now (Enter); nothing when nothing was typed. The owner shows the
    // value it applied; when it shows none (text that is no number) the old text comes back.
    void Commit();
    double value() const { return value_; }
    const QString& shownText() const { return shownText_; }
    // The user has typed since the value was last shown.
    bool typing() const { return isModified(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Enter or focus loss after the text was changed.
    void TextCommitted(const QString& text);
    // A wheel notch or an arrow key: the shown value moved by a step, within the range.
    void ValueStepped(double value);
    // A held key: opened on its first press, closed on its release (or when the focus
    // leaves), so the steps in between can be one undo step.
    void GestureStarted();
    void GestureFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Step(int steps, bool coarse);
    void FinishGesture();

    double value_ = 0.0;
    QString shownText_;
    double fineStep_ = 1.0;
    double coarseStep_ = 10.0;
    StepRule stepRule_;
    double lowest_ = -1e9;
    double highest_ = 1e9;
    int wheelEighths_ = 0;  // wheel movement not yet a whole notch (high-resolution wheels)
    bool selectOnClick_ = false;  // the next press came with the focus: select all, not place
    bool gestureOpen_ = false;
    bool answered_ = false;  // the owner showed a value while a commit was being handled
    RoundedFace frame_;
    mutable QString hintText_;
    mutable QFont hintFont_;
    mutable int hintWidth_ = 0;
};

}  // namespace corva::controls
