// What a preset-name field keeps of the text typed into it: at most 13 bytes in the record's
// code page, and either every double-byte (Chinese) character moved to an even byte offset
// with a blank, or no double-byte character at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corva {

enum class DoubleByteRule {
    Align,   // a blank goes before a double-byte character that would start at an odd offset
    Refuse,  // double-byte characters are not accepted
};

// The UTF-8 text the field holds after `typedUtf8`, or nothing when the typing is refused (a
// character outside the code page, or a double-byte character under Refuse): the field then
// keeps what it held before.
std::optional<std::string> AcceptPresetNameEntry(std::string_view typedUtf8, DoubleByteRule rule);

}  // namespace corva
