// What protect, unlock and reset-lock share: the password from the command line, a prompt
// without echo or standard input, and the end of a lock change that says so when the
// processor did not take every block.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "CliDevice.h"
#include "commands/DeviceLock.h"

namespace corva::cli {

// The password: the one argument when given; otherwise one line typed at a prompt on the
// terminal (not echoed) or read from standard input. A usage error (printed) when there are
// more arguments or no line comes, or when the password is not six characters.
std::optional<ExitCode> TakePassword(CliDevice& device, const CliOptions& options,
                                     const char* synopsis, std::string& password);

// The frame of protect and unlock: the password (as TakePassword), then `change` runs with the
// processor's lock while connected.
using LockChangeWork = std::function<ExitCode(DeviceLock& lock, const std::string& password)>;
ExitCode WithDeviceLock(CliDevice& device, const CliOptions& options, const char* synopsis,
                        const LockChangeWork& change);

// Waits until the lock change's blocks have reached the processor. When they did not, says
// that the change did not finish and how to repair it, and returns kLinkError.
ExitCode FinishLockChange(CliDevice& device, LockChange change);

}  // namespace corva::cli
