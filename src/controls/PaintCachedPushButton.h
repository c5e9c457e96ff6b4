// A standard push button that keeps its last painted face in a pixmap and copies it while
// nothing that the style draws from has changed. Buttons with a style sheet are expensive to
// paint (border rules, text layout), and a page repaint draws dozens of unchanged ones.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QStyleOptionButton>

namespace corva::controls {

class PaintCachedPushButton : public QPushButton {
    Q_OBJECT

public:
    explicit PaintCachedPushButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Everything the style reads when it draws the button, besides the widget's own style
    // sheet, which a StyleChange event reports.
    struct Key {
        QStyle::State state;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        QRect rect;
        QString text;
        qint64 iconKey = 0;
        QSize iconSize;
        QStyleOptionButton::ButtonFeatures features;
        qint64 paletteKey = 0;
        QFont font;
        qreal ratio = 0.0;
        bool operator==(const Key&) const = default;
    };
    Key key_;
    QPixmap face_;
};

}  // namespace corva::controls
