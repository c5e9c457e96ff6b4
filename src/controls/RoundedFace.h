// A control's rounded rectangle drawn once into a pixmap at the device's resolution and copied
// on later paints. Antialiased rounded outlines are among the costliest things a raster paint
// does, and most repaints of a control draw the same face again.
#pragma once

#include <QBrush>
#include <QPen>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace corva::controls {

class RoundedFace {
public:
    // Draws the rounded rectangle as QPainter::drawRoundedRect with antialiasing would.
    void Paint(QPainter& painter, const QRectF& rect, const QPen& pen, const QBrush& brush,
               qreal radius);

private:
    struct Key {
        QRectF rect;
        qreal ratio = 0.0;
        QPen pen;
        QBrush brush;
        qreal radius = 0.0;
        bool operator==(const Key&) const = default;
    };
    Key key_;
    QPixmap pixmap_;
};

}  // namespace corva::controls
