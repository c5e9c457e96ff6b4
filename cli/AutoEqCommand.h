// auto-eq MEASUREMENT CHANNEL: the channel's bands fitted to a measurement and a target.
#pragma once

#include "CliDevice.h"
#include "CliOptions.h"
#include "ExitCode.h"

namespace corva::cli {

ExitCode RunAutoEq(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
