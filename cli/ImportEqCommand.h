// import-eq FILE CHANNEL: filters of a REW or Equalizer APO file on one output channel.
#pragma once

#include "CliDevice.h"
#include "CliOptions.h"
#include "ExitCode.h"

namespace corva::cli {

ExitCode RunImportEq(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
