// The graph's band points are copied from kept sprites: every change of number, colour or font
// must show as a point drawn from new sprites would.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "pages/GraphPainter.h"

namespace corva::pages {
namespace {

QImage PointPicture(NumberedPointSprites& sprites, int number, const QColor& colour,
                    const QFont& font) {
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    sprites.Paint(painter, PlotPoint{20, 20}, number, colour, font);
    return image;
}

TEST(NumberedPointSpritesTest, KeptSpritesFollowNumberColourAndFont) {
    QFont small;
    small.setPixelSize(9);
    QFont large = small;
    large.setPixelSize(13);
    NumberedPointSprites kept;
    const QImage first = PointPicture(kept, 3, Qt::red, small);
    EXPECT_EQ(PointPicture(kept, 3, Qt::red, small), first);

    const auto expectLikeNew = [&](int number, const QColor& colour, const QFont& font) {
        NumberedPointSprites fresh;
        const QImage shown = PointPicture(kept, number, colour, font);
        EXPECT_EQ(shown, PointPicture(fresh, number, colour, font)) << number;
        EXPECT_NE(shown, first) << number;
    };
    expectLikeNew(4, Qt::red, small);
    expectLikeNew(3, Qt::blue, small);
    expectLikeNew(3, Qt::red, large);
}

}  // namespace
}  // namespace corva::pages
