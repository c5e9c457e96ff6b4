#include "VolumeCommand.h"

#include <algorithm>
#include <cmath>

#include "CommandSupport.h"
#include "core/ByteOrder.h"
#include "model/ChannelEditor.h"

namespace corva::cli {
namespace {

constexpr double kLowestVolumeDb = -60.0;
constexpr double kHighestVolumeDb = 6.0;

// The volume field's entry rule: "off" is -60 dB, numbers are limited to -60..+6 and the code
// is the dB value plus 60, truncated.
std::optional<int> ParseVolumeCode(std::string_view text) {
    if (EqualsIgnoringCase(text, "off")) {
        return 0;
    }
    if (const auto bare = WithoutSuffix(text, "db")) {
        text = *bare;
    }
    const auto db = ParseNumber(text);
    if (!db) {
        return std::nullopt;
    }
    return static_cast<int>(
        std::trunc(std::clamp(*db, kLowestVolumeDb, kHighestVolumeDb) - kLowestVolumeDb));
}

}  // namespace

ExitCode RunVolume(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "volume DB")) {
        return *usage;
    }
    const auto code = ParseVolumeCode(options.args[0]);
    if (!code) {
        return UsageError(device,
                          {"DB is a volume in dB (-60..6) or off", "DB 为音量 dB (-60..6) 或 off"},
                          options.args[0]);
    }
    return WithProcessor(device, [&] {
        ChannelEditor(device.session()).SetMainVolume(*code);
        int stored = 0;
        {
            std::lock_guard lock(device.session().sendLock);
            stored = ReadLe16(device.session().image.MainVolume(), 0);
        }
        const std::string db = std::to_string(stored - 60);
        device.SayWhenSent({"Main volume " + db + " dB", "主音量 " + db + " dB"});
        return kDone;
    });
}

}  // namespace corva::cli
