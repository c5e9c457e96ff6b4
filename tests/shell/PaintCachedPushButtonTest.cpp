// A push button that reuses its painted face looks like a plain one and shows every change of
// its text, check state, style sheet and size as a newly made button in that state would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <QImage>
#include <QPushButton>

#include "controls/PaintCachedPushButton.h"

namespace corva::controls {
namespace {

const QString kStyle = QStringLiteral(
    "QPushButton{border-left:4px solid %1;padding:3px 10px;}"
    "QPushButton:checked{background:#d9ddf2;font-weight:bold;}");

template <typename Button>
std::unique_ptr<Button> MakeButton(const QString& text, bool checked, const QString& colour,
                                   QSize size) {
    auto button = std::make_unique<Button>();
    button->setCheckable(true);
    button->setStyleSheet(kStyle.arg(colour));
    button->setText(text);
    button->setChecked(checked);
    button->resize(size);
    return button;
}

QImage Picture(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

TEST(PaintCachedPushButtonTest, ShowsEveryChangeAsAPlainButtonWould) {
    const QSize size(96, 28);
    auto button = MakeButton<PaintCachedPushButton>(QStringLiteral("Left"), false,
                                                    QStringLiteral("#c03030"), size);
    auto plain =
        MakeButton<QPushButton>(QStringLiteral("Left"), false, QStringLiteral("#c03030"), size);
    const QImage first = Picture(*button);
    EXPECT_EQ(first.size(), Picture(*plain).size());
    // Copying a face drawn on a clear pixmap may round an edge's shade by a step or two.
    EXPECT_LE(LargestChannelDifference(first, Picture(*plain)), 3);
    EXPECT_EQ(Picture(*button), first);  // an unchanged button paints the same again

    const auto expectLikeNew = [&](const QString& text, bool checked, const QString& colour,
                                   QSize shownSize) {
        auto fresh = MakeButton<PaintCachedPushButton>(text, checked, colour, shownSize);
        EXPECT_EQ(Picture(*button), Picture(*fresh)) << text.toStdString();
    };
    button->setText(QStringLiteral("Right"));
    expectLikeNew(QStringLiteral("Right"), false, QStringLiteral("#c03030"), size);
    EXPECT_NE(Picture(*button), first);
    button->setChecked(true);
    expectLikeNew(QStringLiteral("Right"), true, QStringLiteral("#c03030"), size);
    button->setStyleSheet(kStyle.arg(QStringLiteral("#3060c0")));
    expectLikeNew(QStringLiteral("Right"), true, QStringLiteral("#3060c0"), size);
    button->resize(120, 30);
    expectLikeNew(QStringLiteral("Right"), true, QStringLiteral("#3060c0"), QSize(120, 30));
    button->setEnabled(false);
    auto disabled = MakeButton<PaintCachedPushButton>(QStringLiteral("Right"), true,
                                                      QStringLiteral("#3060c0"), QSize(120, 30));
    disabled->setEnabled(false);
    EXPECT_EQ(Picture(*button), Picture(*disabled));
}

}  // namespace
}  // namespace corva::controls
