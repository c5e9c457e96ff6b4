// align CH=DIST ...: channel delays from the distances between the seat and each speaker.
#pragma once

#include "CliDevice.h"
#include "CliOptions.h"
#include "ExitCode.h"

namespace corva::cli {

ExitCode RunAlign(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
