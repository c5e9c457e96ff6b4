#include "shell/app/ShellStyle.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace corva::shell {

QFont ShellFont(FontSize size, QFont::Weight weight) {
    QFont font;
    // Arial where it exists; the metric-compatible and common sans faces next; a CJK face for
    // the Chinese texts, which none of the Latin faces carry.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("PingFang SC")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(size));
    font.setWeight(weight);
    return font;
}

void ApplyShellStyle(QApplication& app) {
    app.setFont(ShellFont(FontSize::Normal));
    QPalette palette = app.palette();
    palette.setColor(QPalette::Window, colour::kBackground);
    palette.setColor(QPalette::WindowText, colour::kInk);
    palette.setColor(QPalette::Text, colour::kInk);
    palette.setColor(QPalette::ButtonText, colour::kInk);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, colour::kBar);
    palette.setColor(QPalette::Highlight, colour::kAccent);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    const QColor disabledInk(150, 153, 170);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledInk);
    }
    app.setPalette(palette);
    app.setWindowIcon(ProgramIcon());
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal s = side;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour::kAccent);
        painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.22, s * 0.22);
        // A response curve with a bump: what the program draws most.
        QPainterPath curve;
        curve.moveTo(s * 0.14, s * 0.62);
        curve.cubicTo(s * 0.38, s * 0.62, s * 0.40, s * 0.24, s * 0.52, s * 0.24);
        curve.cubicTo(s * 0.64, s * 0.24, s * 0.66, s * 0.70, s * 0.86, s * 0.70);
        painter.setPen(QPen(Qt::white, std::max(1.5, s * 0.09), Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace corva::shell
