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
        return UsageError(device, {"master-mute takes on or off", "master-mute 取值为 on 或 off"},
                          options.args[0]);
    }
    return WithProcessor(device, [&] {
        ChannelEditor(device.session()).SetMasterOn(OnOffOf(!*mute));
        device.SayWhenSent(*mute ? UiText{"Master output muted", "主输出已静音"}
                                 : UiText{"Master output on", "主输出已开启"});
        return kDone;
    });
}

}  // namespace corva::cli
