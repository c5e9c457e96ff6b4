// `presets`: the names of the processor's 15 stored presets.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunPresets(CliDevice& device, const CliOptions& options);

// The 15 stored preset names in UTF-8, trimmed (empty when unnamed).
std::vector<std::string> StoredPresetNames(const ParameterImage& image);

}  // namespace corva::cli
