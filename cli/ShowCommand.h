// `show FILE`: what a preset file holds, without a processor: the tuning of a single, complete
// or music file (a complete file also names its 15 stored presets), or a mode file's listening
// position and six delays.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunShow(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
