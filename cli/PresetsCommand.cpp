#include "PresetsCommand.h"

#include <cstdio>

#include "CommandSupport.h"
#include "JsonText.h"
#include "text/CodePage.h"

namespace corva::cli {

std::vector<std::string> StoredPresetNames(const ParameterImage& image) {
    std::vector<std::string> names;
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        names.push_back(Utf8FromField(image.Record(preset).first(kNameFieldSize)));
    }
    return names;
}

ExitCode RunPresets(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 0, "presets")) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        std::vector<std::string> names;
        {
            std::lock_guard lock(device.session().engine().sendLock);
            names = StoredPresetNames(device.session().engine().image);
        }
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
