#include "SaveMusicCommand.h"

#include "CommandSupport.h"
#include "commands/MusicFileCommands.h"

namespace corva::cli {

ExitCode RunSaveMusic(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "save-music FILE.wkcs")) {
        return *usage;
    }
    if (auto refused = RefuseOutputPath(device, options.args[0])) {
        return *refused;
    }
    return WithProcessor(device, [&] {
        const DocumentStoreResult stored = StoreMusicFile(device.session(), options.args[0]);
        if (!stored.status.ok()) {
            return ReportWriteFailure(device, stored.status.message(), stored.path,
                                      Status::Fail(stored.writeError));
        }
        device.SayWhenSent({"Wrote " + stored.path, "已写入 " + stored.path});
        return kDone;
    });
}

}  // namespace corva::cli
