// `mode-open FILE.dat_d`: the mode file's listening position replaces that row of the
// processor's listening-position table and becomes the current position.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunModeOpen(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
