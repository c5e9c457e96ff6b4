// `response [FILE] CHANNEL [--csv OUT]`: a channel's summed filter response on the 241-point
// grid, one "freq_hz,db" line per point, from a preset file or from the processor.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunResponse(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
