#include "ReadCommand.h"

#include "CommandSupport.h"
#include "commands/PresetFileCommands.h"

namespace corva::cli {

ExitCode RunRead(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "read FILE.qvms")) {
        return *usage;
    }
    const std::string& path = options.args[0];
    return WithPresetFileWrite(device, path, [&](PresetFileCommands& files) {
        return FinishPresetFileWrite(device, files.SaveCurrentAs(path));
    });
}

}  // namespace corva::cli
