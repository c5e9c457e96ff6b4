#include "UnlockCommand.h"

#include "CommandSupport.h"
#include "LockCommandSupport.h"
#include "commands/DeviceLock.h"

namespace corva::cli {

ExitCode RunUnlock(CliDevice& device, const CliOptions& options) {
    return WithDeviceLock(
        device, options, "unlock [PASSWORD]", [&](DeviceLock& lock, const std::string& password) {
            // Open tuning left partly scrambled by an unfinished lock change is sent again.
            if (!lock.isProtected() && !lock.unfinished()) {
                device.SayWhenSent(Tr("CommandLine", "The tuning is not protected"));
                return kDone;
            }
            if (auto refused = lock.Unlock(password)) {
                return ReportMessage(device, *refused);
            }
            device.SayWhenSent(Tr("CommandLine", "The tuning is unlocked"));
            return FinishLockChange(device, LockChange::Unlock);
        });
}

}  // namespace corva::cli
