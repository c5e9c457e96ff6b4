#include "FactoryResetCommand.h"

#include "CommandSupport.h"
#include "SnapshotCommands.h"
#include "commands/ProcessorRequests.h"

namespace corva::cli {

ExitCode RunFactoryReset(CliDevice& device, const CliOptions& options) {
    // The command line's stand-in for the settings page's yes/no question.
    if (options.args.size() != 1 || options.args[0] != "--yes") {
        return UsageError(device, Tr("CommandLine",
                                     "factory-reset erases the processor's tuning: confirm with "
                                     "factory-reset --yes"));
    }
    return WithProcessor(device, [&] {
        if (const ExitCode kept = KeepSnapshot(device, SnapshotReason::FactoryReset);
            kept != kDone) {
            return kept;
        }
        if (const Status requested = RequestFactoryReset(device.session()); !requested.ok()) {
            device.PrintError(requested.message());
            return kLinkError;
        }
        device.SayWhenSent(Tr("CommandLine", "Factory settings restored"));
        return kDone;
    });
}

}  // namespace corva::cli
