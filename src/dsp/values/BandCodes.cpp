#include "dsp/values/BandCodes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dsp/values/NumberText.h"

namespace corva {
namespace {

constexpr int kQTableSize = kBandwidthIndexMax + 1;

// Q of every bandwidth index, rounded to three decimals as the pages show it. Computed once;
// the table falls from 28.852 (0.05 octaves) to 0.404 (3.00 octaves).
const std::array<double, kQTableSize>& QTable() {
    static const std::array<double, kQTableSize> table = [] {
        std::array<double, kQTableSize> q{};
        for (int i = 0; i < kQTableSize; ++i) {
            const double power = std::pow(2.0, BandwidthOctaves(i));
            q[static_cast<std::size_t>(i)] =
                std::round(std::sqrt(power) / (power - 1.0) * 1000.0) / 1000.0;
        }
        return q;
    }();
    return table;
}

int ClampIndex(int bandwidthIndex) {
    return std::clamp(bandwidthIndex, 0, kBandwidthIndexMax);
}

}  // namespace

double BandGainDb(int gainCode) {
    return gainCode * 0.1 - 20.0;
}

int BandGainCode(double gainDb) {
    if (std::isnan(gainDb)) {
        return kBandGainCodeFlat;
    }
    // Limited before the conversion so that no gain leaves the record's range.
    const double code = std::clamp((gainDb + 20.0) * 100.0 / 10.0 + 0.5, 0.0,
                                   static_cast<double>(kBandGainCodeMax));
    return static_cast<int>(code);
}

double BandwidthOctaves(int bandwidthIndex) {
    return bandwidthIndex * 0.01 + 0.05;
}

int BandwidthIndex(double octaves) {
    if (std::isnan(octaves)) {
        octaves = kDefaultBandwidthOctaves;
    }
    // The + 0.05 keeps whole steps whose quotient lands just below the integer (0.15 / 0.01
    // is 14.999…) on their index; anything else truncates, so 0.2095 octaves gives 15.
    const double index =
        std::clamp((octaves - 0.05) / 0.01 + 0.05, 0.0, static_cast<double>(kBandwidthIndexMax));
    return static_cast<int>(index);
}

double QOfBandwidthIndex(int bandwidthIndex) {
    return QTable()[static_cast<std::size_t>(ClampIndex(bandwidthIndex))];
}

int BandwidthIndexForQ(double q) {
    const auto& table = QTable();
    if (std::isnan(q)) {
        return kBandwidthIndexMax;
    }
    q = std::clamp(q, table.back(), table.front());
    // The table falls, so the first entry not above q is the widest band that is at most as
    // narrow as typed.
    const auto found = std::find_if(table.begin(), table.end(), [q](double v) { return v <= q; });
    if (found == table.end()) {
        return kBandwidthIndexMax;
    }
    return static_cast<int>(found - table.begin());
}

std::string QText(int bandwidthIndex) {
    const double q = QOfBandwidthIndex(bandwidthIndex);
    return detail::FixedText(q, q > 10.0 ? 2 : 3);
}

}  // namespace corva
