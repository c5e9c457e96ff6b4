#include "controls/PaintCachedPushButton.h"

#include <QEvent>
#include <QPainter>
#include <QStylePainter>

namespace corva::controls {

PaintCachedPushButton::PaintCachedPushButton(QWidget* parent) : QPushButton(parent) {}

void PaintCachedPushButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const Key key{option.state,
                  option.direction,
                  option.rect,
                  option.text,
                  option.icon.cacheKey(),
                  option.iconSize,
                  option.features,
                  option.palette.cacheKey(),
                  font(),
                  ratio};
    if (face_.isNull() || !(key == key_)) {
        key_ = key;
        face_ = QPixmap(size() * ratio);
        face_.setDevicePixelRatio(ratio);
        face_.fill(Qt::transparent);
        // The same drawing as QPushButton's own paint, aimed at the pixmap.
        QStylePainter face(&face_, this);
        face.drawControl(QStyle::CE_PushButton, option);
    }
    painter.drawPixmap(0, 0, face_);
}

void PaintCachedPushButton::changeEvent(QEvent* event) {
    // Style sheet, palette, font, language or enabled changes: draw the face again.
    face_ = QPixmap();
    QPushButton::changeEvent(event);
}

}  // namespace corva::controls
