// `factory-reset --yes`: the processor restores its factory settings.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunFactoryReset(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
