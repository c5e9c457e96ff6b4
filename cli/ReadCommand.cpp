#include "ReadCommand.h"

#include "CommandSupport.h"
#include "commands/PresetFileCommands.h"

namespace corva::cli {

ExitCode RunRead(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "read FILE.qvms")) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        // Preset files carry no protection: written from protected tuning they would hand it
        // out in the clear.
        if (TuningProtected(device)) {
            device.PrintError(ProtectedTuningRefusal());
            return kRefused;
        }
        PresetFileCommands files(device.session(), device.controller());
        const PresetFileOutcome outcome = files.SaveCurrentAs(options.args[0]);
        if (!outcome.ok) {
            if (outcome.message) {
                // The detail names the file and the system's reason.
                device.PrintError(outcome.message->text, outcome.message->detail);
            }
            return kFileError;
        }
        device.SayWhenSent({"Wrote " + outcome.path, "已写入 " + outcome.path});
        return kDone;
    });
}

}  // namespace corva::cli
