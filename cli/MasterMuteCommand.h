// `master-mute on|off`: mutes or unmutes the processor's master output.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunMasterMute(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
