// `store N NAME`: the live tuning is stored in the processor as preset N under NAME.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunStore(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
