// Reading the text files that come from measurement and room-EQ programs: the whole file with
// a size limit, split into lines, and numbers read the same way whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"

namespace corva::tuning {

// Larger files are not measurements or filter lists; refusing them keeps memory bounded.
inline constexpr std::size_t kMaxTuningTextBytes = 8u * 1024u * 1024u;

struct TextFileRead {
    Status status = Status::Ok();
    std::string text;
};

// The file's bytes; a missing, unreadable or oversized file is refused with its path named.
TextFileRead ReadTuningText(const std::string& path);

// Lines without their CR/LF; a UTF-8 byte order mark at the start is dropped.
std::vector<std::string_view> SplitLines(std::string_view text);

std::string_view Trimmed(std::string_view text);

// A whole finite decimal number ("-3.00", "1e3", "+2"); a decimal comma counts as a point.
// Nothing for anything else, infinities and NaN included.
std::optional<double> ParseDecimal(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);

// "Line 12: " and the message
UiText LinePrefixed(int lineNumber, const UiText& message);

}  // namespace corva::tuning
