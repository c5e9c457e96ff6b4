#include "UnlockCommand.h"

#include "CommandSupport.h"
#include "commands/DeviceLock.h"

namespace corva::cli {

ExitCode RunUnlock(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "unlock PASSWORD")) {
        return *usage;
    }
    const std::string& password = options.args[0];
    if (auto wrongLength = DeviceLock::CheckPasswordLength(password)) {
        return UsageError(device, wrongLength->text);
    }
    return WithProcessor(device, [&] {
        auto& controller = device.controller();
        DeviceLock lock(device.session(), controller);
        if (!lock.isProtected()) {
            device.SayWhenSent({"The tuning is not protected", "音效未加密"});
            return kDone;
        }
        if (auto refused = lock.Unlock(password)) {
            return ReportMessage(device, *refused);
        }
        device.ShowProgress(controller.bulk().progressCount());
        device.SayWhenSent({"The tuning is unlocked", "音效已解锁"});
        return kDone;
    });
}

}  // namespace corva::cli
