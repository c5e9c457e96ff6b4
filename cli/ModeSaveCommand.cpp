#include "ModeSaveCommand.h"

#include "CommandSupport.h"
#include "commands/ModeFileCommands.h"

namespace corva::cli {

ExitCode RunModeSave(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "mode-save FILE.dat_d")) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        // The processor's current position and row, not the program's empty copy.
        if (!ReadListeningTable(device)) {
            return kLinkError;
        }
        const DocumentStoreResult stored = SaveModeFile(device.session(), options.args[0]);
        if (!stored.status.ok()) {
            device.PrintError(stored.status.message(), stored.writeError.In(device.language()));
            return kFileError;
        }
        device.SayWhenSent({"Wrote " + stored.path, "已写入 " + stored.path});
        return kDone;
    });
}

}  // namespace corva::cli
