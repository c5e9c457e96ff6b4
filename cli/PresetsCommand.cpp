#include "PresetsCommand.h"

#include <cstdio>

#include "CommandSupport.h"
#include "JsonText.h"
#include "TuningJson.h"

namespace corva::cli {

ExitCode RunPresets(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 0, "presets")) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        const std::vector<std::string> names = PresetNames(device.session().Snapshot());
        if (options.json) {
            JsonText json;
            json.Array("presets", names);
            std::printf("%s\n", json.Text().c_str());
            return kDone;
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::printf("%2zu  %s\n", i + 1, names[i].c_str());
        }
        return kDone;
    });
}

}  // namespace corva::cli
