// `firmware FILE.bin`: updates the processor's DSP and/or microcontroller program over USB,
// with the update's status texts and progress.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunFirmware(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
