// Reads the number a user typed into a value field: a decimal number, optionally followed by
// its unit ("1000Hz", "-3.5 dB", "4.966Q"), with "k" before the unit meaning thousands.
#pragma once

#include <optional>

#include <QString>

namespace corva::controls {

// The number in `text`, or nothing when the text does not start with one. A comma is read as
// the decimal point; letters after the number are ignored except a leading "k" (x 1000).
std::optional<double> ParseTypedNumber(const QString& text);

}  // namespace corva::controls
