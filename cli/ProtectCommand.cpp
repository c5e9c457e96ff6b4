#include "ProtectCommand.h"

#include "CommandSupport.h"
#include "commands/DeviceLock.h"

namespace corva::cli {

ExitCode RunProtect(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "protect PASSWORD")) {
        return *usage;
    }
    const std::string& password = options.args[0];
    if (auto wrongLength = DeviceLock::CheckPasswordLength(password)) {
        return UsageError(device, wrongLength->text);
    }
    return WithProcessor(device, [&] {
        auto& controller = device.controller();
        DeviceLock lock(device.session(), controller);
        // Protecting again would replace the password without knowing the old one.
        if (lock.isProtected()) {
            device.PrintError(
                {"The tuning is already protected: unlock it first.", "音效已加密：请先解锁。"});
            return kRefused;
        }
        if (auto refused = lock.Protect(password)) {
            return ReportMessage(device, *refused);
        }
        device.ShowProgress(controller.bulk().progressCount());
        device.SayWhenSent({"The tuning is protected", "音效已加密"});
        return kDone;
    });
}

}  // namespace corva::cli
