#include "controls/RoundedFace.h"

#include <cmath>

#include <QPaintDevice>
#include <QPainter>

namespace corva::controls {

void RoundedFace::Paint(QPainter& painter, const QRectF& rect, const QPen& pen, const QBrush& brush,
                        qreal radius) {
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    // The pixmap starts on a whole pixel; the rectangle keeps its fraction inside it, so the
    // copy lands exactly where a direct paint would have drawn.
    const QPointF origin(std::floor(rect.left()), std::floor(rect.top()));
    const Key key{rect.translated(-origin), ratio, pen, brush, radius};
    if (pixmap_.isNull() || !(key == key_)) {
        key_ = key;
        const QSize logical(static_cast<int>(std::ceil(key.rect.right())) + 1,
                            static_cast<int>(std::ceil(key.rect.bottom())) + 1);
        pixmap_ = QPixmap(logical * ratio);
        pixmap_.setDevicePixelRatio(ratio);
        pixmap_.fill(Qt::transparent);
        QPainter face(&pixmap_);
        face.setRenderHint(QPainter::Antialiasing);
        face.setPen(pen);
        face.setBrush(brush);
        face.drawRoundedRect(key.rect, radius, radius);
    }
    painter.drawPixmap(origin, pixmap_);
}

}  // namespace corva::controls
