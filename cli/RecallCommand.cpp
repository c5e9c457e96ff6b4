#include "RecallCommand.h"

#include "CommandSupport.h"
#include "SnapshotCommands.h"
#include "commands/MachinePresets.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {
constexpr int kRecallTimeoutMs = 30000;
}  // namespace

ExitCode RunRecall(CliDevice& device, const CliOptions& options) {
    const PresetArgument argument = RequirePresetArgument(device, options, 1, "recall N");
    if (argument.refusal) {
        return *argument.refusal;
    }
    const int preset = argument.preset;
    return WithProcessor(device, [&] {
        if (const ExitCode kept = KeepSnapshot(device, SnapshotReason::Recall); kept != kDone) {
            return kept;
        }
        auto& controller = device.controller();
        MachinePresets presets(device.session(), controller);
        if (auto refused = presets.Load(preset)) {
            return ReportMessage(device, *refused);
        }
        device.ShowProgress(controller.bulk().progressCount());
        // The recalled blocks make the tuning synchronised again once they have arrived.
        if (!device.RunUntil([&] { return controller.synchronised(); }, kRecallTimeoutMs)) {
            return TimedOut(device,
                            Tr("CommandLine", "Time-out: the recalled preset did not arrive."));
        }
        const std::string name = DecodeRecordText(presets.Name(preset));
        const std::string number = std::to_string(preset);
        device.SayWhenSent(Tr("CommandLine", "Recalled preset %1 %2").Arg(number).Arg(name));
        return kDone;
    });
}

}  // namespace corva::cli
