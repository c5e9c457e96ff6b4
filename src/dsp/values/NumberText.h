// Number texts for the value labels, independent of the process locale (always '.' as the
// decimal point, never digit grouping), formatted like printf's "%0.Nf" and "%d".
#pragma once

#include <array>
#include <charconv>
#include <string>

namespace corva::detail {

// "%0.<decimals>f" of value: correctly rounded from the exact binary value, as printf does.
inline std::string FixedText(double value, int decimals) {
    // Room for the largest finite double written out in full plus sign, point and decimals.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc{}) {
        return {};
    }
    return std::string(buffer.data(), end);
}

// "%d" of value.
inline std::string IntText(long long value) {
    std::array<char, 24> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{}) {
        return {};
    }
    return std::string(buffer.data(), end);
}

}  // namespace corva::detail
