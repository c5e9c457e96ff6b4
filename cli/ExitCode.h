// Exit codes of corva-dsp-cli, a contract scripts rely on.
#pragma once

namespace corva::cli {

enum ExitCode : int {
    kDone = 0,
    kUsage = 1,      // wrong usage
    kFileError = 2,  // cannot read, wrong tag, failed check
    kLinkError = 3,  // no processor, connection failure, time-out
    kRefused = 4,    // not synchronised, protected tuning, wrong password, name taken
};

}  // namespace corva::cli
