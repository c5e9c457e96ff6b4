// `protect PASSWORD`: locks the live tuning with a six-character password; the processor then
// keeps it scrambled and every program shows it read-only until it is unlocked.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunProtect(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
