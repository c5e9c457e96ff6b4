// `info`: what the processor holds: version tag, link, live preset name, the 15 stored preset
// names, protection state, main volume and master mute.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunInfo(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
