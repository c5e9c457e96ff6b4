#include "UnlockCommand.h"

#include "CommandSupport.h"
#include "LockCommandSupport.h"
#include "commands/DeviceLock.h"

namespace corva::cli {

ExitCode RunUnlock(CliDevice& device, const CliOptions& options) {
    std::string password;
    if (auto usage = TakePassword(device, options, "unlock [PASSWORD]", password)) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        auto& controller = device.controller();
        DeviceLock lock(device.session(), controller);
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
