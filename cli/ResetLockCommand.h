// `reset-lock`: discards protected tuning without the password: the six output channels go
// back to the program's default settings, unprotected.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunResetLock(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
