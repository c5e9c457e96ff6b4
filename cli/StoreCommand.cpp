#include "StoreCommand.h"

#include "CommandSupport.h"
#include "SnapshotCommands.h"
#include "commands/MachinePresets.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {
// Longer than any name could become once aligned, so the alignment itself never cuts.
constexpr std::size_t kUnlimited = 4 * kPresetNameLimit;
}  // namespace

ExitCode RunStore(CliDevice& device, const CliOptions& options) {
    const PresetArgument argument = RequirePresetArgument(device, options, 2, "store N NAME");
    if (argument.refusal) {
        return *argument.refusal;
    }
    const int preset = argument.preset;
    const std::string& typed = options.args[1];
    if (typed.find_first_not_of(' ') == std::string::npos) {
        return UsageError(device, Tr("CommandLine", "NAME must not be empty or only blanks"));
    }
    const auto recordText = EncodeRecordText(typed);
    if (!recordText) {
        return UsageError(
            device, Tr("CommandLine", "NAME has characters the processor cannot store"), typed);
    }
    // As the preset-name field takes it: double-byte characters start at even offsets, and
    // what does not fit is refused here rather than cut off.
    const std::string aligned = MachinePresets::AlignDoubleByteNames(*recordText, kUnlimited);
    if (aligned.size() > kPresetNameLimit) {
        return UsageError(
            device, Tr("CommandLine", "NAME is longer than 13 bytes in the processor's code page"),
            typed);
    }
    return WithProcessor(device, [&] {
        if (const ExitCode kept = KeepSnapshot(device, SnapshotReason::Store, preset);
            kept != kDone) {
            return kept;
        }
        auto& controller = device.controller();
        MachinePresets presets(device.session(), controller);
        if (auto refused = presets.SaveAs(preset, aligned)) {
            return ReportMessage(device, *refused);
        }
        device.ShowProgress(controller.bulk().progressCount());
        const std::string number = std::to_string(preset);
        // As stored: the alignment may have put a blank before a double-byte character.
        const std::string stored = DecodeRecordText(aligned);
        device.SayWhenSent(Tr("CommandLine", "Stored as preset %1 %2").Arg(number).Arg(stored));
        return kDone;
    });
}

}  // namespace corva::cli
