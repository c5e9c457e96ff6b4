// `unlock PASSWORD`: removes the protection of the live tuning with its password.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunUnlock(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
