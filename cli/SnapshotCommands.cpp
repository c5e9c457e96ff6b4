#include "SnapshotCommands.h"

#include <cstdio>

#include "CommandSupport.h"
#include "JsonText.h"
#include "commands/CompleteSnapshots.h"
#include "commands/MachinePresets.h"
#include "commands/PresetFileCommands.h"
#include "commands/StoredPresetTable.h"
#include "core/TextExcerpt.h"
#include "text/CodePage.h"

namespace corva::cli {

ExitCode KeepSnapshot(CliDevice& device, SnapshotReason reason, int overwritten) {
    TuningSnapshots snapshots(SnapshotFolder());
    const auto failed = [&](const Status& status) {
        device.PrintError(SnapshotFailedMessage(reason, status.message()));
        return kFileError;
    };
    if (const Status kept = snapshots.KeepLive(device.session(), reason); !kept.ok()) {
        return failed(kept);
    }
    if (overwritten > 0 &&
        !MachinePresets(device.session(), device.controller()).Name(overwritten).empty()) {
        if (!ReadStoredPresetOutputs(device.session(), overwritten) || !device.WaitUntilSent()) {
            return TimedOut(device,
                            Tr("CommandLine", "Time-out: the stored preset did not arrive."));
        }
        if (const Status kept = snapshots.KeepStoredPreset(device.session(), overwritten, reason);
            !kept.ok()) {
            return failed(kept);
        }
    }
    device.TraceNote("snapshot " + SnapshotReasonWord(reason));
    return kDone;
}

ExitCode KeepCompleteSnapshot(CliDevice& device, SnapshotReason reason, const std::string& spared) {
    constexpr int kReadTimeoutMs = 120000;  // 105 blocks, about 20 ms each on USB
    auto& controller = device.controller();
    if (!ReadPresetsForCompleteCopy(controller)) {
        return ReportMessage(device, ConnectionFailureMessage(controller.linkKind()));
    }
    bool arrived = false;
    device.SetNoticeObserver(
        [&](const Notice& notice) { arrived = arrived || notice.id == NoticeId::PresetsReceived; });
    const bool done = device.RunUntil([&] { return arrived; }, kReadTimeoutMs);
    device.SetNoticeObserver({});
    controller.EndBatch();
    if (!done) {
        return TimedOut(device, Tr("CommandLine", "Time-out: the stored presets did not arrive."));
    }
    if (const Status kept = KeepCompleteCopy(device.session(), SnapshotFolder(), reason, spared);
        !kept.ok()) {
        device.PrintError(SnapshotFailedMessage(reason, kept.message()));
        return kFileError;
    }
    device.TraceNote("snapshot " + SnapshotReasonWord(reason) + " complete");
    return kDone;
}

namespace {

ExitCode List(CliDevice& device, const CliOptions& options) {
    const auto list = ListAllSnapshots(SnapshotFolder());
    const UiLanguage language = device.language();
    if (options.json) {
        JsonText json;
        json.Field("folder", SnapshotFolder());
        json.ObjectArray("snapshots", static_cast<int>(list.size()), [&](JsonText& item, int i) {
            const SnapshotInfo& info = list[static_cast<std::size_t>(i)];
            item.Field("id", info.id);
            item.Field("time", info.time);
            item.Field("reason", SnapshotReasonWord(info.reason));
            item.Field("preset", info.preset);
            item.Field("complete", info.complete);
            item.Field("name", DecodeRecordText(info.presetName));
            item.Field("path", info.path);
        });
        std::printf("%s\n", json.Text().c_str());
        return kDone;
    }
    for (const SnapshotInfo& info : list) {
        const std::string what = SnapshotListText(info).In(language);
        std::printf("%s  %s  %s  %s\n", info.id.c_str(), info.time.c_str(), what.c_str(),
                    EscapedExcerpt(DecodeRecordText(info.presetName)).c_str());
    }
    return kDone;
}

// A complete copy comes back whole: the live tuning and every stored preset, after a complete
// copy of what it replaces.
ExitCode RestoreComplete(CliDevice& device, const SnapshotInfo& found) {
    if (const ExitCode kept = KeepCompleteSnapshot(device, SnapshotReason::LoadFile, found.path);
        kept != kDone) {
        return kept;
    }
    PresetFileCommands files(device.session(), device.controller());
    const PresetFileOutcome outcome = files.OpenCompleteFile(found.path);
    if (outcome.offline) {  // the link went away after the copy
        return ReportMessage(device, ConnectionFailureMessage(device.controller().linkKind()));
    }
    if (!outcome.ok) {
        if (outcome.message) {
            device.PrintError(outcome.message->text, outcome.message->detail);
        }
        return kFileError;
    }
    device.ShowProgress(outcome.progressRange);
    device.SayWhenSent(Tr("CommandLine", "Restored %1").Arg(found.id));
    return kDone;
}

ExitCode Restore(CliDevice& device, const std::string& id) {
    const auto found = FindAnySnapshot(SnapshotFolder(), id);
    if (!found) {
        device.PrintError(Tr("CommandLine", "No such snapshot"), EscapedExcerpt(id));
        return kFileError;
    }
    return WithProcessor(device, [&] {
        if (found->complete) {
            return RestoreComplete(device, *found);
        }
        TuningSnapshots snapshots(SnapshotFolder());
        if (const Status kept = snapshots.KeepLiveBeforeRestore(device.session(), *found);
            !kept.ok()) {
            device.PrintError(kept.message(), found->path);
            return kFileError;
        }
        device.TraceNote("snapshot " + SnapshotReasonWord(SnapshotReason::LoadFile));
        auto& controller = device.controller();
        const MusicFileLoadResult loaded =
            LoadMusicFile(device.session(), controller.bulk(), found->path);
        if (!loaded.status.ok()) {
            device.PrintError(loaded.status.message(), found->path);
            return kFileError;
        }
        if (!loaded.sent) {
            return ReportMessage(device, ConnectionFailureMessage(controller.linkKind()));
        }
        device.ShowProgress(controller.bulk().progressCount());
        device.SayWhenSent(Tr("CommandLine", "Restored %1").Arg(id));
        return kDone;
    });
}

}  // namespace

ExitCode RunSnapshots(CliDevice& device, const CliOptions& options) {
    if (options.args.empty()) {
        return List(device, options);
    }
    if (options.args.size() == 2 && options.args[0] == "restore") {
        return Restore(device, options.args[1]);
    }
    return UsageError(device, Tr("CommandLine", "usage: snapshots [restore ID]"));
}

}  // namespace corva::cli
