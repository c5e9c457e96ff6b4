#include "MasterMuteCommand.h"

#include "CommandSupport.h"
#include "model/ChannelEditor.h"

namespace corva::cli {

ExitCode RunMasterMute(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "master-mute on|off")) {
        return *usage;
    }
    const auto mute = ParseOnOff(options.args[0]);
    if (!mute) {
        return UsageError(device, Tr("CommandLine", "master-mute takes on or off"),
                          options.args[0]);
    }
    return WithProcessor(device, [&] {
        ChannelEditor(device.session()).SetMasterOn(OnOffOf(!*mute));
        device.SayWhenSent(*mute ? Tr("CommandLine", "Master output muted")
                                 : Tr("CommandLine", "Master output on"));
        return kDone;
    });
}

}  // namespace corva::cli
