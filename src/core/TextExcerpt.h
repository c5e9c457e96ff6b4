// Text from outside (a file's content, a name in a record or a folder) as a message or a
// listing may show it: no control characters that could steer a terminal, and not too long.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace corva {

inline constexpr std::size_t kExcerptBytes = 60;

// Control characters and DEL written as "\xNN"; cut after `limit` bytes of the text (never
// inside a UTF-8 character), with "..." where it was cut.
inline std::string EscapedExcerpt(std::string_view text, std::size_t limit = kExcerptBytes) {
    bool cut = false;
    if (text.size() > limit) {
        std::size_t end = limit;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
        text = text.substr(0, end);
        cut = true;
    }
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return cut ? escaped + "..." : escaped;
}

}  // namespace corva
