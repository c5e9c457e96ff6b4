// `volume DB`: the processor's main volume, -60..+6 dB in whole dB ("off" is -60); a new
// volume also unmutes the master output.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunVolume(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
