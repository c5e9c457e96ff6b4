#include "DeleteCommand.h"

#include "CommandSupport.h"
#include "commands/MachinePresets.h"

namespace corva::cli {

ExitCode RunDelete(CliDevice& device, const CliOptions& options) {
    const PresetArgument argument = RequirePresetArgument(device, options, 1, "delete N");
    if (argument.refusal) {
        return *argument.refusal;
    }
    const int preset = argument.preset;
    return WithProcessor(device, [&] {
        MachinePresets presets(device.session(), device.controller());
        // Naming the preset on the command line is the confirmation.
        if (auto refused = presets.Delete(preset, [](const UiText&) { return true; })) {
            return ReportMessage(device, *refused);
        }
        const std::string number = std::to_string(preset);
        device.SayWhenSent(Tr("CommandLine", "Deleted the name of preset %1").Arg(number));
        return kDone;
    });
}

}  // namespace corva::cli
