// Arbitrary bytes offered as a microphone calibration file: an accepted file gives finite
// deviations on every grid point and a finite sensitivity when it has one; a refused one says
// why and holds nothing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "measure/MicCalibration.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const corva::measure::MicCalibration calibration = corva::measure::ParseMicCalibration(text);
    if (!calibration.status.ok()) {
        if (calibration.status.message().empty()) {
            std::abort();
        }
        return 0;
    }
    for (const double db : calibration.deviationDb) {
        if (!std::isfinite(db)) {
            std::abort();
        }
    }
    if (calibration.sensitivityDb && !std::isfinite(*calibration.sensitivityDb)) {
        std::abort();
    }
    return 0;
}
