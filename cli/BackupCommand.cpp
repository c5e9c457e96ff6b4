#include "BackupCommand.h"

#include "CommandSupport.h"
#include "commands/PresetFileCommands.h"

namespace corva::cli {
namespace {
constexpr int kBackupTimeoutMs = 120000;  // 90 or 105 blocks, about 20 ms each on USB
}  // namespace

ExitCode RunBackup(CliDevice& device, const CliOptions& options) {
    std::string path;
    bool withInputs = false;
    for (const auto& arg : options.args) {
        if (arg == "--with-inputs") {
            withInputs = true;
        } else if (path.empty() && arg.rfind("--", 0) != 0) {
            path = arg;
        } else {
            path.clear();
            break;
        }
    }
    if (path.empty()) {
        return UsageError(device, Tr("CommandLine", "usage: backup FILE.qvma [--with-inputs]"));
    }
    return WithPresetFileWrite(device, path, [&](PresetFileCommands& files) {
        // The save panel's variant reads the music inputs too; the store-all command does not.
        const PresetFileOutcome queued =
            withInputs ? files.SaveUnderName("", path, SaveMode::All) : files.StoreAllPresets(path);
        if (!queued.ok) {
            return queued.message ? ReportMessage(device, *queued.message) : kLinkError;
        }
        // Notices are handled only while waiting below, so none can be missed here.
        std::optional<PresetFileOutcome> written;
        device.SetNoticeObserver([&](const Notice& notice) {
            if (notice.id == NoticeId::PresetsReceived && files.pendingCompleteFile()) {
                written = files.WritePendingCompleteFile();
            }
        });
        device.ShowProgress(queued.progressRange);
        const bool arrived = device.RunUntil([&] { return written.has_value(); }, kBackupTimeoutMs);
        device.SetNoticeObserver({});
        device.progress().Finish(arrived);
        if (!arrived) {
            return TimedOut(device,
                            Tr("CommandLine", "Time-out: the stored presets did not arrive."));
        }
        return FinishPresetFileWrite(device, *written);
    });
}

}  // namespace corva::cli
