// A frequency response measured with a microphone: REW's text export or an FRD file, read
// and checked, and brought onto the 241-point response grid.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"
#include "dsp/response/ResponseGrid.h"

namespace corva::tuning {

struct MeasurementPoint {
    double frequencyHz = 0.0;
    double splDb = 0.0;
};

struct MeasurementRead {
    Status status = Status::Ok();
    std::vector<MeasurementPoint> points;  // strictly increasing frequencies
};

// Lines starting with '*' (after blanks) are comments, as are blank lines, and one row of
// column names before the data. Every other line holds the frequency and the level first
// (further columns are ignored), separated by blanks, tabs, commas or semicolons; a decimal
// comma is read as a point where commas do not separate the columns. Rows below 20 Hz or
// above 20 kHz are skipped. A line that is not numbers, a frequency that is not above the one
// before, or fewer than two points within 20 Hz..20 kHz refuses the whole text with a message
// naming the line.
MeasurementRead ParseMeasurement(std::string_view text);
MeasurementRead ReadMeasurementFile(const std::string& path);

// The level at every grid frequency, interpolated linearly over log frequency (the end values
// hold beyond the measured range). With `smoothingFraction` N > 0, each point is the mean
// level over the 1/N octave around it.
Response ResampleToGrid(const std::vector<MeasurementPoint>& points, int smoothingFraction = 0);

}  // namespace corva::tuning
