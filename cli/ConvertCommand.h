// `convert IN OUT`: a music file (.wkcs/.kpdm) into a single preset file (.qvms) or back,
// without a processor. Protected tuning is not converted into a preset file, which could not
// keep it protected.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunConvert(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
