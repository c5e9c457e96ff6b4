// `response [FILE] CHANNEL [--csv OUT]`: a channel's summed filter response on the 241-point
// grid, one "freq_hz,db" line per point, from a preset file or from the processor.
#pragma once

#include <functional>
#include <string>

#include "CliDevice.h"
#include "dsp/response/ResponseGrid.h"

namespace corva::cli {

ExitCode RunResponse(CliDevice& device, const CliOptions& options);

// One "freq_hz,db" line per grid point: the frequency as the shortest text that reads back as
// it ("19.7", "1000"), the level with two decimals.
std::string GridResponseLines(const Response& response);

// Runs `work` on the tuning of the preset file at `path`, or of the processor when `path` is
// empty; a file of another kind and a file that cannot be read are refused. Protected tuning
// is shown: only its changes are refused.
using ResponseWork = std::function<ExitCode(TuningSession& session)>;
ExitCode WithResponseTuning(CliDevice& device, const std::string& path, const ResponseWork& work);

}  // namespace corva::cli
