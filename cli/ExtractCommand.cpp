#include "ExtractCommand.h"

#include "CommandSupport.h"
#include "commands/PresetFileMessages.h"
#include "commands/TuningFiles.h"

namespace corva::cli {

ExitCode RunExtract(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 3, "extract FILE.qvma N OUT.qvms")) {
        return *usage;
    }
    const std::string& in = options.args[0];
    const std::string& out = options.args[2];
    if (TuningFileKindOf(in) != TuningFileKind::Complete) {
        return UsageError(device, TuningFileKindError(".qvma"), in);
    }
    const auto preset = ParsePresetNumber(options.args[1]);
    if (!preset) {
        return PresetUsageError(device, options.args[1]);
    }
    if (auto refused = RefuseOutputPath(device, out)) {
        return *refused;
    }
    if (TuningFileKindOf(out) != TuningFileKind::Single) {
        return UsageError(device, Tr("CommandLine", "OUT must end in .qvms"), out);
    }
    const ExtractResult extracted = ExtractStoredPreset(in, *preset, out);
    if (extracted.failedAt == ExtractStage::Reading) {
        device.PrintError(extracted.status.message(), ReadFailureDetail(in, device.language()));
        return kFileError;
    }
    if (extracted.failedAt == ExtractStage::Writing) {
        return ReportWriteFailure(device, SaveSingleFailedMessage().text, out, extracted.status);
    }
    device.Say(WroteMessage(out));
    return kDone;
}

}  // namespace corva::cli
