// A one-line field for a number with its unit: shows the value its owner sets, lets the user
// type a new one (committed on Enter or when the focus leaves) and steps it with the mouse
// wheel and the arrow keys. The field applies no rule of its own: the owner turns the text or
// the stepped number into an edit and shows back the value that was applied.
#pragma once

#include <QLineEdit>

namespace corva::controls {

class ValueField : public QLineEdit {
    Q_OBJECT

public:
    explicit ValueField(QWidget* parent = nullptr);

    // Up/Down and one wheel notch move by `fineStep`; Page Up/Down and Ctrl+wheel by
    // `coarseStep`. A negative step makes Up go down (a Q field stepping a bandwidth index).
    void SetSteps(double fineStep, double coarseStep);
    // Stepping stops at these ends; typed text is not checked here.
    void SetRange(double lowest, double highest);

    // Shows `text` for `value`. Text the user is typing right now is left alone.
    void ShowValue(double value, const QString& text);
    // Drops what the user typed and shows the value again (Escape).
    void RestoreShownValue();
    // Commits typed text now (Enter); nothing when the text is what is shown.
    void Commit();
    double value() const { return value_; }
    const QString& shownText() const { return shownText_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Enter or focus loss after the text was changed.
    void TextCommitted(const QString& text);
    // A wheel notch or an arrow key: the shown value moved by a step, within the range.
    void ValueStepped(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Step(double delta);

    double value_ = 0.0;
    QString shownText_;
    double fineStep_ = 1.0;
    double coarseStep_ = 10.0;
    double lowest_ = -1e9;
    double highest_ = 1e9;
    int wheelEighths_ = 0;  // wheel movement not yet a whole notch (high-resolution wheels)
};

}  // namespace corva::controls
