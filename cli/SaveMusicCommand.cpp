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
        return FinishDocumentWrite(device, StoreMusicFile(device.session(), options.args[0]));
    });
}

}  // namespace corva::cli
