// Arbitrary bytes offered as a measurement export: an accepted text has strictly increasing
// frequencies with at least two in 20 Hz..20 kHz, and resamples to finite levels.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tuning/Measurement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const corva::tuning::MeasurementRead read = corva::tuning::ParseMeasurement(text);
    if (!read.status.ok()) {
        if (!read.points.empty() || read.status.message().empty()) {
            std::abort();
        }
        return 0;
    }
    int audible = 0;
    for (std::size_t i = 0; i < read.points.size(); ++i) {
        const auto& point = read.points[i];
        if (!std::isfinite(point.frequencyHz) || !std::isfinite(point.splDb) ||
            point.frequencyHz <= 0.0 ||
            (i > 0 && point.frequencyHz <= read.points[i - 1].frequencyHz)) {
            std::abort();
        }
        audible += point.frequencyHz >= 20.0 && point.frequencyHz <= 20000.0;
    }
    if (audible < 2) {
        std::abort();
    }
    for (const int smoothing : {0, 3}) {
        for (const double level : corva::tuning::ResampleToGrid(read.points, smoothing)) {
            if (!std::isfinite(level)) {
                std::abort();
            }
        }
    }
    return 0;
}
