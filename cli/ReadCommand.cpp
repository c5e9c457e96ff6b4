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
        const PresetFileOutcome outcome = files.SaveCurrentAs(options.args[0]);
        if (!outcome.ok) {
            if (outcome.message) {
                // The detail names the file and the system's reason.
                const std::string& detail = outcome.message->detail;
                return ReportWriteFailure(device, outcome.message->text, outcome.path,
                                          Status::Fail({detail, detail}));
            }
            return kFileError;
        }
        device.SayWhenSent({"Wrote " + outcome.path, "已写入 " + outcome.path});
        return kDone;
    });
}

}  // namespace corva::cli
