#include "SaveMusicCommand.h"

#include "CommandSupport.h"
#include "commands/MusicFileCommands.h"

namespace corva::cli {

ExitCode RunSaveMusic(CliDevice& device, const CliOptions& options) {
    return WithOutputFileArgument(
        device, options, "save-music FILE.wkcs", [&](const std::string& path) {
            return FinishDocumentWrite(device, StoreMusicFile(device.session(), path));
        });
}

}  // namespace corva::cli
