#include "dsp/values/DelayCodes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "dsp/values/NumberText.h"

namespace corva {
namespace {

constexpr double kCodesPerMs = 48.0;
// The last code is shown rounded up to a whole microsecond: 259 / 48 would be 5.3958 ms.
constexpr double kMaxDelayMs = 5.396;

// Speed of sound at the fixed 25 °C: 0.6 × 25 + 331.0 m/s when a code is shown as a distance,
// 0.6 × 25 + 331.4 m/s when a typed distance becomes a code.
constexpr double kDisplayMetresPerMs = 0.346;
constexpr double kEntryMetresPerMs = 0.3464;
constexpr double kEntryMetresPerSecond = 346.4;
// Feet per metre: the value fields use 3.2808, the parameter table 3.28.
constexpr double kFieldFeetPerMetre = 3.2808;
constexpr double kTableFeetPerMetre = 3.28;

// Text read the way a value field reads it: leading blanks and one '+' skipped, then the
// longest decimal number at the start; anything unreadable is 0.
double NumberFromText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return 0.0;
    }
    text.remove_prefix(first);
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '+' || text.front() == '-') {
            return 0.0;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || std::isnan(value)) {
        return 0.0;
    }
    return value;
}

// Rounded to the nearest code. A field rewrites its text from the code it read, so reading a
// shown text back must give the same code again: "0.104" (code 5) must not become code 4.
int CodeFromMilliseconds(double milliseconds) {
    if (milliseconds < 0.0) {
        return 0;
    }
    if (milliseconds >= kMaxDelayMs) {
        return kDelayCodeMax;
    }
    return std::min(static_cast<int>(milliseconds * kCodesPerMs + 0.5), kDelayCodeMax);
}

int CodeFromMetres(double metres) {
    metres = std::clamp(metres, 0.0, kEntryMetresPerMs * kMaxDelayMs);
    const double milliseconds = 1000.0 * metres / kEntryMetresPerSecond;
    return std::min(static_cast<int>(milliseconds * kCodesPerMs + 0.5), kDelayCodeMax);
}

}  // namespace

double DelayMilliseconds(int delayCode) {
    // Codes outside the processor's range (a damaged file) are shown as the nearest valid one.
    delayCode = std::clamp(delayCode, 0, kDelayCodeMax);
    if (delayCode == kDelayCodeMax) {
        return kMaxDelayMs;
    }
    return delayCode / kCodesPerMs;
}

std::string DelayFieldText(int delayCode, DelayUnit unit) {
    const double milliseconds = DelayMilliseconds(delayCode);
    switch (unit) {
        case DelayUnit::Centimetres:
            return detail::FixedText(milliseconds * kDisplayMetresPerMs * 100.0, 0);
        case DelayUnit::Inches:
            return detail::FixedText(milliseconds * kDisplayMetresPerMs * kFieldFeetPerMetre * 12.0,
                                     0);
        case DelayUnit::Milliseconds:
            break;
    }
    return detail::FixedText(milliseconds, 3);
}

int DelayCodeFromText(std::string_view text, DelayUnit unit) {
    const double value = NumberFromText(text);
    switch (unit) {
        case DelayUnit::Centimetres:
            return CodeFromMetres(value / 100.0);
        case DelayUnit::Inches:
            return CodeFromMetres(value / 12.0 / kFieldFeetPerMetre);
        case DelayUnit::Milliseconds:
            break;
    }
    return CodeFromMilliseconds(value);
}

UiText DelayTableText(int delayCode, DelayUnit unitSetting) {
    const double milliseconds = DelayMilliseconds(delayCode);
    // The table reads the unit setting the other way round from the delay page.
    switch (unitSetting) {
        case DelayUnit::Centimetres: {
            const std::string inches = detail::FixedText(
                milliseconds * kDisplayMetresPerMs * kTableFeetPerMetre * 12.0, 2);
            return Tr("Values", "%1INCH").Arg(inches);
        }
        case DelayUnit::Inches: {
            const std::string centimetres =
                detail::FixedText(milliseconds * kDisplayMetresPerMs * 100.0, 2);
            return Tr("Values", "%1CM").Arg(centimetres);
        }
        case DelayUnit::Milliseconds:
            break;
    }
    const std::string text = detail::FixedText(milliseconds, 3);
    return Tr("Values", "%1MS").Arg(text);
}

std::string ChannelDelayLabel(int delayCode) {
    const double milliseconds = delayCode < 100 ? delayCode * 0.1 : delayCode - 90.0;
    return detail::FixedText(milliseconds, 1) + "ms";
}

UiText ListeningPositionName(int position) {
    static const std::array<UiText, kListeningPositionCount> kNames{{
        Tr("Values", "L&Front"),
        Tr("Values", "C&Front"),
        Tr("Values", "R&Front"),
        Tr("Values", "C&Rear"),
    }};
    if (position < 0 || position >= kListeningPositionCount) {
        return {};
    }
    return kNames[static_cast<std::size_t>(position)];
}

int ShiftedDelayCode(int otherCode, int difference) {
    const long long shifted = static_cast<long long>(otherCode) + difference;
    return static_cast<int>(std::clamp<long long>(shifted, 0, kDelayCodeMax));
}

}  // namespace corva
