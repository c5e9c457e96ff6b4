// response ... --measurement FILE: the predicted result of a channel, its measurement plus the
// channel's own response, as freq_hz,db lines. Without --measurement it is the plain response.
#pragma once

#include "CliDevice.h"
#include "CliOptions.h"
#include "ExitCode.h"

namespace corva::cli {

ExitCode RunResponseOrPrediction(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
