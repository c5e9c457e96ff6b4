#include "LoadCommand.h"

#include "CommandSupport.h"
#include "SnapshotCommands.h"
#include "commands/MusicFileCommands.h"
#include "commands/PresetFileCommands.h"
#include "commands/TuningFiles.h"
#include "model/OutputBlockLimits.h"

namespace corva::cli {

ExitCode RunLoad(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "load FILE")) {
        return *usage;
    }
    const std::string& path = options.args[0];
    const TuningFileKind kind = TuningFileKindOf(path);
    if (kind == TuningFileKind::Other || kind == TuningFileKind::Mode) {
        return UsageError(device, TuningFileKindError(".qvms, .qvma, .wkcs or .kpdm"), path);
    }
    return WithProcessor(device, [&] {
        auto& controller = device.controller();
        PresetFileCommands files(device.session(), controller);
        const auto failedOpen = [&](const PresetFileOutcome& outcome) -> ExitCode {
            // A file that cannot be read, or the link gone (nothing was loaded then).
            if (!outcome.message) {
                return kFileError;
            }
            if (IsConnectionFailure(*outcome.message)) {
                return ReportMessage(device, *outcome.message);
            }
            // A missing file says so; otherwise the reader's own reason.
            const std::string missing = ReadFailureDetail(path, device.language());
            device.PrintError(outcome.message->text,
                              missing != path ? missing : outcome.message->detail);
            return kFileError;
        };
        // A file that cannot be opened leaves no safety copy behind.
        if (kind != TuningFileKind::Music) {
            if (const auto refused = files.CheckPresetFile(path)) {
                return failedOpen(*refused);
            }
        }
        // A complete file replaces every stored preset too: all of them are kept first.
        const ExitCode kept = kind == TuningFileKind::Complete
                                  ? KeepCompleteSnapshot(device, SnapshotReason::LoadFile)
                                  : KeepSnapshot(device, SnapshotReason::LoadFile);
        if (kept != kDone) {
            return kept;
        }
        int limited = 0;
        if (kind == TuningFileKind::Music) {
            const MusicFileLoadResult loaded =
                LoadMusicFile(device.session(), controller.bulk(), path);
            if (!loaded.status.ok()) {
                device.PrintError(loaded.status.message(),
                                  ReadFailureDetail(path, device.language()));
                return kFileError;
            }
            if (!loaded.sent) {
                return ReportMessage(device, ConnectionFailureMessage(controller.linkKind()));
            }
            device.ShowProgress(controller.bulk().progressCount());
            limited = loaded.valuesLimited;
        } else {
            const PresetFileOutcome outcome = kind == TuningFileKind::Single
                                                  ? files.OpenSingleFile(path)
                                                  : files.OpenCompleteFile(path);
            if (!outcome.ok) {
                return failedOpen(outcome);
            }
            if (outcome.offline) {  // the link went away: loaded here, nothing sent
                return ReportMessage(device, ConnectionFailureMessage(controller.linkKind()));
            }
            device.ShowProgress(outcome.progressRange);
            limited = outcome.valuesLimited;
        }
        device.SayWhenSent(Tr("CommandLine", "Loaded %1").Arg(path));
        if (const auto note = LimitedValuesNote(limited)) {
            device.SayWhenSent(*note);
        }
        return kDone;
    });
}

}  // namespace corva::cli
