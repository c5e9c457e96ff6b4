// pink-noise and rta: measuring without a wire from the laptop. The noise file goes on a USB
// stick that the processor plays; rta records the microphone meanwhile and prints the
// magnitude by averaged FFTs (no arrival times in this mode).
#pragma once

#include "CliDevice.h"
#include "CliOptions.h"
#include "ExitCode.h"

namespace corva::cli {

ExitCode RunPinkNoise(CliDevice& device, const CliOptions& options);
ExitCode RunRta(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
