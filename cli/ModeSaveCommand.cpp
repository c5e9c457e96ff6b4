#include "ModeSaveCommand.h"

#include "CommandSupport.h"
#include "commands/ModeFileCommands.h"

namespace corva::cli {

ExitCode RunModeSave(CliDevice& device, const CliOptions& options) {
    return WithOutputFileArgument(
        device, options, "mode-save FILE.dat_d", [&](const std::string& path) {
            // The processor's current position and row, not the program's empty copy.
            if (!ReadListeningTable(device)) {
                return kLinkError;
            }
            return FinishDocumentWrite(device, SaveModeFile(device.session(), path));
        });
}

}  // namespace corva::cli
