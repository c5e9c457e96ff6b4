// `diff A B`: the differences between two tunings, parameter by parameter in the parameter
// table's texts. A and B are preset files, `live` (the processor's live tuning) or `preset:N`
// (its stored preset N). Exit 0 when they are equal, 5 when they differ.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

// The exit code of a diff that found differences.
inline constexpr ExitCode kDifferent = static_cast<ExitCode>(5);

ExitCode RunDiff(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
