#include "VolumeCommand.h"

#include <algorithm>
#include <cmath>

#include "CommandSupport.h"
#include "dsp/values/EntryLimits.h"
#include "model/ChannelEditor.h"

namespace corva::cli {
namespace {

// "off", or a number of dB; the edit API limits it.
std::optional<std::optional<double>> ParseVolumeDb(std::string_view text) {
    if (EqualsIgnoringCase(text, "off")) {
        return std::optional<double>{};
    }
    if (const auto bare = WithoutSuffix(text, "db")) {
        text = *bare;
    }
    const auto db = ParseNumber(text);
    if (!db) {
        return std::nullopt;
    }
    return std::optional<double>{*db};
}

}  // namespace

ExitCode RunVolume(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "volume DB")) {
        return *usage;
    }
    const auto volumeDb = ParseVolumeDb(options.args[0]);
    if (!volumeDb) {
        return UsageError(device, Tr("CommandLine", "DB is a volume in dB (-60..6) or off"),
                          options.args[0]);
    }
    return WithProcessor(device, [&] {
        const int stored = ChannelEditor(device.session()).SetMainVolumeDb(*volumeDb);
        const std::string db = std::to_string(MainVolumeDb(stored));
        device.SayWhenSent(Tr("CommandLine", "Main volume %1 dB").Arg(db));
        return kDone;
    });
}

}  // namespace corva::cli
