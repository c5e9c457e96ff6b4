#include "FactoryResetCommand.h"

#include "CommandSupport.h"
#include "SnapshotCommands.h"
#include "commands/ProcessorRequests.h"

namespace corva::cli {

ExitCode RunFactoryReset(CliDevice& device, const CliOptions& options) {
    // The command line's stand-in for the settings page's yes/no question.
    if (options.args.size() != 1 || options.args[0] != "--yes") {
        return UsageError(device,
                          {"factory-reset erases the processor's tuning: confirm with "
                           "factory-reset --yes",
                           "恢复出厂设置会清除处理器的音效：请用 factory-reset --yes 确认"});
    }
    return WithProcessor(device, [&] {
        if (const ExitCode kept = KeepSnapshot(device, SnapshotReason::FactoryReset); kept != kDone) {
            return kept;
        }
        if (const Status requested = RequestFactoryReset(device.session()); !requested.ok()) {
            device.PrintError(requested.message());
            return kLinkError;
        }
        device.SayWhenSent({"Factory settings restored", "已恢复出厂设置"});
        return kDone;
    });
}

}  // namespace corva::cli
