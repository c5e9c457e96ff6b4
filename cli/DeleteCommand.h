// `delete N`: clears the name of stored preset N (its tuning stays in the processor).
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunDelete(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
