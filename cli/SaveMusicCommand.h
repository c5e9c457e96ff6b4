// `save-music FILE.wkcs`: the processor's live tuning into a music file (protected tuning
// stays protected in it).
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunSaveMusic(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
