// A microphone's calibration file as makers ship them: lines of frequency, dB and optionally
// phase, an optional "Sens Factor" line and quoted header lines. Applied by taking the
// microphone's own deviation out of every measured level.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Status.h"
#include "dsp/response/ResponseGrid.h"

namespace corva::measure {

struct MicCalibration {
    Status status = Status::Ok();
    Response deviationDb{};               // the microphone's response on the grid
    std::optional<double> sensitivityDb;  // the "Sens Factor", reported with the results
};

MicCalibration ParseMicCalibration(std::string_view text);
MicCalibration ReadMicCalibration(const std::string& path);

// `levels` minus the microphone's deviation.
Response Calibrated(const Response& levels, const MicCalibration& calibration);

}  // namespace corva::measure
