// `mode-save FILE.dat_d`: the processor's current listening position and its six delays into
// a mode file.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunModeSave(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
