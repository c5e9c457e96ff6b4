#include "controls/TypedNumber.h"

#include <cmath>

#include <QRegularExpression>

namespace corva::controls {

std::optional<double> ParseTypedNumber(const QString& text) {
    static const QRegularExpression kPattern(
        QStringLiteral(R"(^\s*([+-]?(?:\d+(?:\.\d*)?|\.\d+))\s*([kK]?)[A-Za-z]*\s*$)"));
    QString normalised = text;
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    const auto match = kPattern.match(normalised);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    double number = match.captured(1).toDouble(&ok);  // QString::toDouble ignores the locale
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    if (!match.captured(2).isEmpty()) {
        number *= 1000.0;
    }
    return number;
}

}  // namespace corva::controls
