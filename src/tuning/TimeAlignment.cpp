#include "tuning/TimeAlignment.h"

#include <charconv>
#include <string_view>

namespace corva::tuning {
namespace {

// The entry conversion's limit: 5.396 ms at 0.3464 m/ms.
constexpr double kLongestPathMetres = 0.3464 * 5.396;
constexpr double kCentimetresPerMetre = 100.0;
constexpr double kInchesPerMetre = 12.0 * 3.2808;

DelayUnit FieldUnit(DistanceUnit unit) {
    return unit == DistanceUnit::Inches ? DelayUnit::Inches : DelayUnit::Centimetres;
}

}  // namespace

double LongestAlignableDistance(DistanceUnit unit) {
    return kLongestPathMetres *
           (unit == DistanceUnit::Inches ? kInchesPerMetre : kCentimetresPerMetre);
}

TimeAlignment AlignFromDistances(const ChannelDistances& distances, DistanceUnit unit) {
    TimeAlignment alignment;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& distance = distances[static_cast<std::size_t>(c)];
        if (distance &&
            (alignment.farthestChannel < 0 ||
             *distance > *distances[static_cast<std::size_t>(alignment.farthestChannel)])) {
            alignment.farthestChannel = c;
        }
    }
    if (alignment.farthestChannel < 0) {
        return alignment;
    }
    const double farthest = *distances[static_cast<std::size_t>(alignment.farthestChannel)];
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& distance = distances[static_cast<std::size_t>(c)];
        if (!distance) {
            continue;
        }
        AlignedChannel& aligned = alignment.channels[static_cast<std::size_t>(c)];
        aligned.wantedDistance = farthest - *distance;
        // The same text a user would type into the delay field, read the way the field reads it.
        // (to_chars: independent of the locale, which the front end may have set.)
        std::array<char, 64> text{};
        const auto written = std::to_chars(text.data(), text.data() + text.size(),
                                           aligned.wantedDistance, std::chars_format::fixed, 6);
        aligned.delayCode = DelayCodeFromText(
            std::string_view(text.data(), static_cast<std::size_t>(written.ptr - text.data())),
            FieldUnit(unit));
        aligned.limited = aligned.wantedDistance > LongestAlignableDistance(unit);
        alignment.anyLimited = alignment.anyLimited || aligned.limited;
    }
    return alignment;
}

}  // namespace corva::tuning
