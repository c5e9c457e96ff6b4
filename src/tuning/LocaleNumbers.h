// Numbers in files written by programs that follow the writer's locale: a decimal point or a
// decimal comma, and thousands grouped by the other mark or by a no-break space
// ("8.000,5", "1 000"). Which mark is the decimal one follows from the line, then the file.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace corva::tuning {

enum class DecimalMark {
    Unknown,  // nothing says: a point is decimal, a comma grouping thousands is ambiguous
    Point,
    Comma,
    Mixed,  // both seen as decimals: neither groups thousands
};

// What the numbers among `words` show about the decimal mark (units after the digits, such as
// "Hz" in "100Hz", are ignored).
DecimalMark DecimalMarkOf(const std::vector<std::string_view>& words);

// The mark a line's numbers follow: the line's own when it shows one, else the file's.
DecimalMark Combined(DecimalMark line, DecimalMark file);

struct LocaleNumber {
    std::optional<double> value;
    bool ambiguous = false;  // "1,000" where nothing tells a decimal from a thousands mark
};

// A whole finite number written with `mark`. A word that is not a number has neither a value
// nor the ambiguous flag.
LocaleNumber ParseLocaleNumber(std::string_view word, DecimalMark mark);

}  // namespace corva::tuning
