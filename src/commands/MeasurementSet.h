// Measurements kept with the tuning: each channel's averaged response as a REW-readable text
// file named after the channel, in a folder named after the tuning beside the tuning files.
#pragma once

#include <string>
#include <vector>

#include "commands/ChannelMeasurement.h"

namespace corva {

// "<folder>/<tuning name> measurements"; a name that is empty or only characters no file
// name may hold reads "Tuning".
std::string MeasurementFolderFor(const std::string& folder, const std::string& tuningNameUtf8);

struct MeasurementSetWrite {
    Status status = Status::Ok();  // the first file that could not be written
    std::vector<std::string> paths;
};

// Creates the folder when needed; every file through the safe writer.
MeasurementSetWrite SaveMeasurementSet(const std::string& folder,
                                       const std::vector<ChannelMeasurement>& channels,
                                       int positions);

}  // namespace corva
