// `load FILE`: a single preset file or a music file becomes the processor's live tuning; a
// complete preset file sends everything (the live tuning and the 15 stored presets).
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunLoad(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
