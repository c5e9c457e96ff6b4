// `backup FILE.qvma [--with-inputs]`: all 15 stored presets and the live tuning into a
// complete preset file; --with-inputs also reads each preset's music input block.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunBackup(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
