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
            device.PrintError({"The tuning is not protected: there is no lock to reset.",
                               "音效未加密：无需清除。"});
            return kRefused;
        }
        if (auto refused = lock.Reset()) {
            return ReportMessage(device, *refused);
        }
        device.SayWhenSent({"The protected tuning was replaced by the default output settings",
                            "已清除加密音效，输出恢复为默认设置"});
        return FinishLockChange(device, LockChange::Reset);
    });
}

}  // namespace corva::cli
