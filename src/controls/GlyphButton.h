// A small square button that draws a symbol instead of text: minimise, close, or the three
// dots of a menu. The close glyph turns red under the mouse, as window close buttons do. With
// no text to read, its tooltip is also its accessible name unless a name of its own is given.
#pragma once

#include <QAbstractButton>

namespace corva::controls {

enum class Glyph { Minimise, Close, More };

class GlyphButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit GlyphButton(Glyph glyph, QWidget* parent = nullptr);

    // Colour of the symbol when the button rests (light on a dark bar, dark on a light one).
    void SetInk(const QColor& ink);
    QSize sizeHint() const override { return {34, 30}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    Glyph glyph_;
    QColor ink_{70, 76, 104};
    QString nameFromTip_;  // the name last taken from the tooltip
};

}  // namespace corva::controls
