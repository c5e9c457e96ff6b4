#include "ReadCommand.h"

#include "CommandSupport.h"
#include "commands/PresetFileCommands.h"

namespace corva::cli {

ExitCode RunRead(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "read FILE.qvms")) {
        return *usage;
    }
    if (auto refused = RefuseOutputPath(device, options.args[0])) {
        return *refused;
    }
    return WithProcessor(device, [&] {
        // Preset files carry no protection: written from protected tuning they would hand it
        // out in the clear.
        if (TuningProtected(device)) {
            device.PrintError(ProtectedTuningRefusal());
            return kRefused;
        }
        PresetFileCommands files(device.session(), device.controller());
        return FinishPresetFileWrite(device, files.SaveCurrentAs(options.args[0]));
    });
}

}  // namespace corva::cli
