// `set CHANNEL KEY=VALUE...`: edits one output channel through the pages' edit rules and
// prints every value as it stands afterwards (limits and the crossover order may change what
// was asked for).
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunSet(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
