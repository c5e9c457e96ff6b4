#include "ResetLockCommand.h"

#include "CommandSupport.h"
#include "LockCommandSupport.h"
#include "SnapshotCommands.h"
#include "commands/DeviceLock.h"

namespace corva::cli {

ExitCode RunResetLock(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 0, "reset-lock")) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        if (const ExitCode kept = KeepSnapshot(device, SnapshotReason::ResetLock); kept != kDone) {
            return kept;
        }
        auto& controller = device.controller();
        DeviceLock lock(device.session(), controller);
        // The reset is the way out of a forgotten password, offered only for protected tuning:
        // it must not wipe open tuning (but repairs tuning an unfinished lock change left).
        if (!lock.isProtected() && !lock.unfinished()) {
            device.PrintError(
                Tr("CommandLine", "The tuning is not protected: there is no lock to reset."));
            return kRefused;
        }
        if (auto refused = lock.Reset()) {
            return ReportMessage(device, *refused);
        }
        device.SayWhenSent(
            Tr("CommandLine", "The protected tuning was replaced by the default output settings"));
        return FinishLockChange(device, LockChange::Reset);
    });
}

}  // namespace corva::cli
