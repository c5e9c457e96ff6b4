// `positions`, `positions set P CH=DELAY...` and `positions use P`: the processor's table of
// four listening positions (six delays each) and which one is current.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunPositions(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
