// A push button drawn by the program: rounded and flat, with hover, pressed, checked and
// disabled shades. No images, so its lettering follows the language like any other text.
#pragma once

#include <QAbstractButton>

namespace corva::controls {

enum class ButtonTone {
    Quiet,   // transparent until hovered (top bar, page buttons)
    Raised,  // white face with a border (buttons on panels)
    Accent,  // filled with the accent colour (the action of a panel)
};

class FlatButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatButton(ButtonTone tone = ButtonTone::Quiet, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ButtonTone tone_;
};

}  // namespace corva::controls
