#include "pages/EqUnitColumn.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include <QPainter>

#include "controls/ControlColours.h"
#include "controls/ValueField.h"
#include "controls/VerticalFader.h"
#include "dsp/values/BandCodes.h"
#include "pages/EqBandColumn.h"

namespace corva::pages {

EqUnitColumn::EqUnitColumn(const EqBandColumn& firstColumn, QWidget* parent)
    : QWidget(parent), firstColumn_{firstColumn} {
    setAccessibleDescription(QStringLiteral("Gain in dB from -20 to +20, frequency in Hz, Q"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {

struct ScaleMark {
    int gainCode;
    const char* text;
};

// Every band fader has the same range: one scale serves the row.
constexpr std::array<ScaleMark, 5> kGainScale{{{kBandGainCodeMax, "+20"},
                                               {kBandGainCodeMax * 3 / 4, "+10"},
                                               {kBandGainCodeFlat, "0"},
                                               {kBandGainCodeMax / 4, "-10"},
                                               {0, "-20"}}};

}  // namespace

QSize EqUnitColumn::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {std::max(metrics.horizontalAdvance(QStringLiteral("Hz")),
                     metrics.horizontalAdvance(QStringLiteral("-20"))) +
                4,
            0};
}

void EqUnitColumn::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(controls::colour::kInk);
    const std::array<std::pair<const QWidget*, QString>, 3> rows{
        {{firstColumn_.gainField(), QStringLiteral("dB")},
         {firstColumn_.frequencyField(), QStringLiteral("Hz")},
         {firstColumn_.qField(), QStringLiteral("Q")}}};
    const auto topOf = [this](const QWidget* widget) {
        return mapFrom(window(), widget->mapTo(window(), QPoint{0, 0})).y();
    };
    for (const auto& [field, unit] : rows) {
        painter.drawText(QRect{0, topOf(field), width(), field->height()},
                         Qt::AlignRight | Qt::AlignVCenter, unit);
    }
    const controls::VerticalFader& fader = *firstColumn_.fader();
    const int lineHeight = fontMetrics().height();
    for (const ScaleMark& mark : kGainScale) {
        const int y = topOf(&fader) + static_cast<int>(std::lround(fader.CentreOf(mark.gainCode)));
        painter.drawText(QRect{0, y - lineHeight / 2, width() - 2, lineHeight},
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(mark.text));
    }
}

}  // namespace corva::pages
