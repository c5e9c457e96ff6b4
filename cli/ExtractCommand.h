// `extract FILE.qvma N OUT.qvms`: one stored preset of a complete file as a single preset
// file, without a processor.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunExtract(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
