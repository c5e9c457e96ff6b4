#include "LockCommandSupport.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "CommandSupport.h"
#include "commands/DeviceLock.h"

namespace corva::cli {
namespace {

// One line from standard input; on a terminal after a prompt on standard error, with the
// echo switched off while it is typed.
std::optional<std::string> ReadPasswordLine(UiLanguage language) {
    const bool terminal = ::isatty(STDIN_FILENO) != 0;
    termios saved{};
    const bool quiet = terminal && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    // The echo goes off before the prompt shows, so nothing typed after it is ever echoed.
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        (void)::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    if (terminal) {
        const UiText prompt = Tr("CommandLine", "Password (6 characters): ");
        std::fprintf(stderr, "%s", prompt.In(language).c_str());
        std::fflush(stderr);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (quiet) {
        (void)::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fprintf(stderr, "\n");
    }
    if (!read) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

}  // namespace

std::optional<ExitCode> TakePassword(CliDevice& device, const CliOptions& options,
                                     const char* synopsis, std::string& password) {
    const UiText usage = Tr("CommandLine", "usage: %1").Arg(synopsis);
    if (options.args.size() > 1) {
        return UsageError(device, usage);
    }
    if (options.args.size() == 1) {
        password = options.args[0];
    } else if (auto typed = ReadPasswordLine(device.language())) {
        password = std::move(*typed);
    } else {
        return UsageError(device, usage);
    }
    if (auto wrongLength = DeviceLock::CheckPasswordLength(password)) {
        return UsageError(device, wrongLength->text);
    }
    return std::nullopt;
}

ExitCode WithDeviceLock(CliDevice& device, const CliOptions& options, const char* synopsis,
                        const LockChangeWork& change) {
    std::string password;
    if (auto usage = TakePassword(device, options, synopsis, password)) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        DeviceLock lock(device.session(), device.controller());
        return change(lock, password);
    });
}

ExitCode FinishLockChange(CliDevice& device, LockChange change) {
    device.ShowProgress(device.controller().bulk().progressCount());
    // A lost link empties the queue too: only a wait that ends without a failure means sent.
    if (device.WaitUntilSent() && !device.failed()) {
        return kDone;
    }
    device.PrintError(LockChangeUnfinishedMessage(change).text);
    return kLinkError;
}

}  // namespace corva::cli
