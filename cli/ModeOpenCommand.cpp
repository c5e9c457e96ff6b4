#include "ModeOpenCommand.h"

#include "CommandSupport.h"
#include "commands/ModeFileCommands.h"
#include "dsp/values/DelayCodes.h"

namespace corva::cli {
namespace {
constexpr int kTableTimeoutMs = 30000;
}  // namespace

ExitCode RunModeOpen(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "mode-open FILE.dat_d")) {
        return *usage;
    }
    const std::string& path = options.args[0];
    return WithProcessor(device, [&] {
        TuningSession& session = device.session();
        const ModeFileOpenResult opened = OpenModeFile(session, path);
        if (!opened.status.ok()) {
            device.PrintError(opened.status.message(), ReadFailureDetail(path, device.language()));
            return kFileError;
        }
        // The processor's table is read first so its other three positions stay as they are.
        if (opened.awaitingTable &&
            !device.RunUntil(
                [&] { return CompleteModeFileOpen(session, opened.content) == ModeFileStep::Done; },
                kTableTimeoutMs)) {
            return TimedOut(device, Tr("CommandLine",
                                       "Time-out: the listening-position table did not arrive."));
        }
        const UiText position = ListeningPositionName(opened.content.position);
        device.SayWhenSent(
            Tr("CommandLine", "Listening position %1 loaded from %2").Arg(position).Arg(path));
        return kDone;
    });
}

}  // namespace corva::cli
