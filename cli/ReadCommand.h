// `read FILE.qvms`: the processor's live tuning into a single preset file.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunRead(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
