#include "measure/MicCalibration.h"

#include <cctype>

#include "tuning/Measurement.h"
#include "tuning/TextLines.h"

namespace corva::measure {
namespace {

// "Sens Factor =-1.23dB, SERNO: 7001234" (quoted or not): the number after the '='.
std::optional<double> SensitivityOf(std::string_view line) {
    const auto at = line.find("Sens Factor");
    const auto equals = line.find('=', at);
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = tuning::Trimmed(line.substr(equals + 1));
    std::size_t end = 0;
    while (end < rest.size() &&
           (std::isdigit(static_cast<unsigned char>(rest[end])) != 0 || rest[end] == '-' ||
            rest[end] == '+' || rest[end] == '.' || rest[end] == ',')) {
        ++end;
    }
    return tuning::ParseDecimal(rest.substr(0, end));
}

}  // namespace

MicCalibration ParseMicCalibration(std::string_view text) {
    MicCalibration calibration;
    // The data lines go to the measurement reader; header lines become comments there, so its
    // messages still name the file's own line numbers.
    std::string data;
    for (const std::string_view raw : tuning::SplitLines(text)) {
        const std::string_view line = tuning::Trimmed(raw);
        if (line.find("Sens Factor") != std::string_view::npos) {
            calibration.sensitivityDb = SensitivityOf(line);
            data += "*\n";
        } else if (!line.empty() && line.front() == '"') {
            data += "*\n";
        } else {
            data.append(line);
            data += '\n';
        }
    }
    const tuning::MeasurementRead read = tuning::ParseMeasurement(data);
    if (!read.status.ok()) {
        calibration.status = read.status;
        return calibration;
    }
    calibration.deviationDb = tuning::ResampleToGrid(read.points);
    return calibration;
}

MicCalibration ReadMicCalibration(const std::string& path) {
    const tuning::TextFileRead file = tuning::ReadTuningText(path);
    if (!file.status.ok()) {
        return {file.status, {}, std::nullopt};
    }
    MicCalibration calibration = ParseMicCalibration(file.text);
    if (!calibration.status.ok()) {
        const UiText& why = calibration.status.message();
        calibration.status =
            Status::Fail(Tr("Measuring", "The microphone calibration \"%1\" cannot be used. %2")
                             .Arg(path)
                             .Arg(why));
    }
    return calibration;
}

Response Calibrated(const Response& levels, const MicCalibration& calibration) {
    Response corrected = levels;
    for (std::size_t i = 0; i < corrected.size(); ++i) {
        corrected[i] -= calibration.deviationDb[i];
    }
    return corrected;
}

}  // namespace corva::measure
