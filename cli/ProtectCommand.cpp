#include "ProtectCommand.h"

#include "CommandSupport.h"
#include "LockCommandSupport.h"
#include "commands/DeviceLock.h"

namespace corva::cli {

ExitCode RunProtect(CliDevice& device, const CliOptions& options) {
    return WithDeviceLock(
        device, options, "protect [PASSWORD]", [&](DeviceLock& lock, const std::string& password) {
            // Protecting again would replace the password without knowing the old one.
            if (lock.isProtected()) {
                device.PrintError(
                    Tr("CommandLine", "The tuning is already protected: unlock it first."));
                return kRefused;
            }
            if (auto refused = lock.Protect(password)) {
                return ReportMessage(device, *refused);
            }
            device.SayWhenSent(Tr("CommandLine", "The tuning is protected"));
            return FinishLockChange(device, LockChange::Protect);
        });
}

}  // namespace corva::cli
