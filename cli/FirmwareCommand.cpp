#include "FirmwareCommand.h"

#include <atomic>
#include <memory>

#include "CommandSupport.h"
#include "firmware/FirmwareFile.h"

namespace corva::cli {
namespace {
// A whole DSP program with its erase takes well under a minute; this only bounds a stuck run.
constexpr int kUpdateTimeoutMs = 10 * 60 * 1000;
}  // namespace

ExitCode RunFirmware(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "firmware FILE.bin")) {
        return *usage;
    }
    if (options.link == LinkChoice::Tcp || options.link == LinkChoice::Serial) {
        return UsageError(device, Tr("CommandLine", "Firmware updates run over USB only."));
    }
    FirmwareParse parse = LoadFirmwareFile(options.args[0]);
    if (!parse.status.ok()) {
        device.PrintError(parse.status.message(),
                          ReadFailureDetail(options.args[0], device.language()));
        return kFileError;
    }
    const int plannedSteps = parse.image.plannedSteps;
    ProgressLine& progress = device.progress();
    const UiLanguage language = device.language();
    auto stepsDone = std::make_shared<std::atomic<int>>(0);
    ConnectionController::FirmwareHooks hooks;
    // Both run on the main thread while it handles the update's notices.
    hooks.status = [&progress, language](const UiText& text) { progress.Note(text.In(language)); };
    hooks.stepDone = [&progress, stepsDone] { progress.Step(++*stepsDone); };
    progress.Start(plannedSteps);
    if (const Status started =
            device.controller().StartFirmwareUpdate(std::move(parse.image), std::move(hooks));
        !started.ok()) {
        progress.Finish(false);
        device.PrintError(started.message());
        return kLinkError;
    }
    const bool finished =
        device.RunUntil([&] { return device.updateFinished(); }, kUpdateTimeoutMs);
    if (!finished) {
        progress.Finish(false);
        const ExitCode timedOut =
            TimedOut(device, Tr("CommandLine", "Time-out: the firmware update did not finish."));
        device.Disconnect();
        return timedOut;
    }
    return kDone;
}

}  // namespace corva::cli
