// `presets`: the names of the processor's 15 stored presets.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunPresets(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
