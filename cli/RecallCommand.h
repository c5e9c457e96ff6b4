// `recall N`: stored preset N becomes the live tuning.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunRecall(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
