// `table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] [--pdf OUT]`: the parameter table
// of the six output channels, of a preset file or of the processor; printed without an output
// option, exported with one.
#pragma once

#include "CliDevice.h"

namespace corva::cli {

ExitCode RunTable(CliDevice& device, const CliOptions& options);

// True when the command line asks for a PDF, which needs the GUI application object.
bool TableNeedsGui(const CliOptions& options);

}  // namespace corva::cli
