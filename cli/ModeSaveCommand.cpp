#include "ModeSaveCommand.h"

#include "CommandSupport.h"
#include "commands/ModeFileCommands.h"

namespace corva::cli {

ExitCode RunModeSave(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "mode-save FILE.dat_d")) {
        return *usage;
    }
    if (auto refused = RefuseOutputPath(device, options.args[0])) {
        return *refused;
    }
    return WithProcessor(device, [&] {
        // The processor's current position and row, not the program's empty copy.
        if (!ReadListeningTable(device)) {
            return kLinkError;
        }
        return FinishDocumentWrite(device, SaveModeFile(device.session(), options.args[0]));
    });
}

}  // namespace corva::cli
