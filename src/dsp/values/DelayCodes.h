// Delay codes (1/48 ms steps, 0..259) and their display and entry conversions in
// milliseconds, centimetres and inches; the listening-position names.
#pragma once

#include <string>
#include <string_view>

#include "core/UiText.h"

namespace corva {

inline constexpr int kDelayCodeMax = 259;  // always shown as 5.396 ms
inline constexpr int kListeningPositionCount = 4;

// The process-wide unit setting: 0 ms, 1 cm on the delay page (inches in the table), 2 inches
// on the delay page (centimetres in the table).
enum class DelayUnit : int { Milliseconds = 0, Centimetres = 1, Inches = 2 };

// code / 48, or 5.396 for code 259.
double DelayMilliseconds(int delayCode);

// Value-field text: "%0.3f" ms, "%0.0f" cm, "%0.0f" in (display speed 0.346 m/ms).
std::string DelayFieldText(int delayCode, DelayUnit unit);

// Typed text to a code, limited to 0..259 (entry speed 0.3464 m/ms); not a number reads as 0.
int DelayCodeFromText(std::string_view text, DelayUnit unit);

// Parameter-table text, unit chosen by the table's column: "%0.3fMS", inches "%0.2fINCH" for
// setting 1, centimetres "%0.2fCM" for 2.
UiText DelayTableText(int delayCode, DelayUnit unitSetting);

// The output object's own short label: "%0.1fms" of code * 0.1 below 100, of code - 90 above.
std::string ChannelDelayLabel(int delayCode);

// "L&Front", "C&Front", "R&Front", "C&Rear" (the ampersand as shown), Chinese twins.
UiText ListeningPositionName(int position);

// The linked-delay rule of the delay page: the other channel's code plus the difference,
// limited to 0..259.
int ShiftedDelayCode(int otherCode, int difference);

}  // namespace corva
