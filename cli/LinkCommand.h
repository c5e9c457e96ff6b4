// `link PAIR --from left|right` and `unlink PAIR`: the pair link of the full page. Linking
// copies one channel of the pair onto the other (the master output muted around the copy) and
// links them; the link itself is the program's and lasts as long as the connection, so on
// the command line what stays is the copy.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunLink(CliDevice& device, const CliOptions& options);
ExitCode RunUnlink(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
