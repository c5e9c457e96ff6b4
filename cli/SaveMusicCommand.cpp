#include "SaveMusicCommand.h"

#include "CommandSupport.h"
#include "commands/MusicFileCommands.h"

namespace corva::cli {

ExitCode RunSaveMusic(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "save-music FILE.wkcs")) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        const DocumentStoreResult stored = StoreMusicFile(device.session(), options.args[0]);
        if (!stored.status.ok()) {
            device.PrintError(stored.status.message(), stored.writeError.In(device.language()));
            return kFileError;
        }
        device.SayWhenSent({"Wrote " + stored.path, "已写入 " + stored.path});
        return kDone;
    });
}

}  // namespace corva::cli
